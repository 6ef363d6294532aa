#include "gfx/pixel_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace yf::gfx {
namespace {

constexpr int kWeightBits = 14;
constexpr std::int32_t kWeightOne = 1 << kWeightBits;

struct Tap {
    int index;
    std::int32_t weight;
};

// For every output position, the source positions it is made of and their weights (which sum
// to kWeightOne exactly, so flat areas keep their value).
struct Taps {
    std::vector<int> first;  // output i uses taps[first[i] .. first[i + 1])
    std::vector<Tap> taps;
};

Taps ComputeTaps(int sourceLength, int outputLength) {
    Taps result;
    result.first.reserve(static_cast<std::size_t>(outputLength) + 1);
    const double scale = static_cast<double>(sourceLength) / outputLength;
    std::vector<double> weights;
    for (int o = 0; o < outputLength; ++o) {
        result.first.push_back(static_cast<int>(result.taps.size()));
        weights.clear();
        int firstIndex = 0;
        if (scale > 1.0) {
            // Area average: the share of each source cell inside [o * scale, (o + 1) * scale).
            const double from = o * scale;
            const double to = std::min<double>((o + 1) * scale, sourceLength);
            firstIndex = static_cast<int>(std::floor(from));
            for (int i = firstIndex; i < to; ++i) {
                const double overlap = std::min<double>(i + 1, to) - std::max<double>(i, from);
                weights.push_back(overlap > 0 ? overlap : 0);
            }
        } else {
            // Linear interpolation between the two nearest source centres.
            const double centre = (o + 0.5) * scale - 0.5;
            const double base = std::floor(centre);
            const double fraction = centre - base;
            const int left = std::clamp(static_cast<int>(base), 0, sourceLength - 1);
            const int right = std::clamp(static_cast<int>(base) + 1, 0, sourceLength - 1);
            firstIndex = left;
            if (right == left) {
                weights.push_back(1.0);
            } else {
                weights.push_back(1.0 - fraction);
                weights.push_back(fraction);
            }
        }
        double total = 0;
        for (double w : weights) total += w;
        std::int32_t sum = 0;
        std::size_t largest = 0;
        const std::size_t start = result.taps.size();
        for (std::size_t k = 0; k < weights.size(); ++k) {
            const auto fixed = static_cast<std::int32_t>(std::lround(weights[k] / total * kWeightOne));
            result.taps.push_back({firstIndex + static_cast<int>(k), fixed});
            sum += fixed;
            if (fixed > result.taps[start + largest].weight) largest = k;
        }
        result.taps[start + largest].weight += kWeightOne - sum;
    }
    result.first.push_back(static_cast<int>(result.taps.size()));
    return result;
}

inline std::uint8_t RoundDown(std::uint32_t accumulated) {
    return static_cast<std::uint8_t>(
        std::min<std::uint32_t>(255, (accumulated + (kWeightOne / 2)) >> kWeightBits));
}

}  // namespace

PixelBuffer::PixelBuffer(int w, int h)
    : width(w), height(h), pixels(static_cast<std::size_t>(std::max(w, 0)) * std::max(h, 0)) {}

PixelView WritableView(PixelBuffer& buffer) {
    return {buffer.pixels.data(), buffer.width, buffer.height, buffer.width};
}

ConstPixelView ViewOf(const PixelBuffer& buffer) {
    return {buffer.pixels.data(), buffer.width, buffer.height, buffer.width, buffer.opaque};
}

PixelBuffer Resample(const ConstPixelView& source, int width, int height) {
    if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
    PixelBuffer result(width, height);
    result.opaque = source.opaque;
    if (width == source.width && height == source.height) {
        for (int y = 0; y < height; ++y) {
            std::memcpy(&result.At(0, y), source.Row(y), sizeof(std::uint32_t) * width);
        }
        return result;
    }

    // Across first: each source row becomes an output-wide row.
    const Taps across = ComputeTaps(source.width, width);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(width) * source.height * 4);
    for (int y = 0; y < source.height; ++y) {
        const auto* in = reinterpret_cast<const std::uint8_t*>(source.Row(y));
        std::uint8_t* out = &rows[static_cast<std::size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x) {
            std::uint32_t b = 0, g = 0, r = 0, a = 0;
            for (int t = across.first[x]; t < across.first[x + 1]; ++t) {
                const std::uint8_t* p = in + static_cast<std::size_t>(across.taps[t].index) * 4;
                const auto w = static_cast<std::uint32_t>(across.taps[t].weight);
                b += p[0] * w;
                g += p[1] * w;
                r += p[2] * w;
                a += p[3] * w;
            }
            out[x * 4 + 0] = RoundDown(b);
            out[x * 4 + 1] = RoundDown(g);
            out[x * 4 + 2] = RoundDown(r);
            out[x * 4 + 3] = RoundDown(a);
        }
    }

    // Then down: every output row is a weighted sum of whole intermediate rows.
    const Taps down = ComputeTaps(source.height, height);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    std::vector<std::uint32_t> sums(rowBytes);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int t = down.first[y]; t < down.first[y + 1]; ++t) {
            const std::uint8_t* row = &rows[static_cast<std::size_t>(down.taps[t].index) * rowBytes];
            const auto w = static_cast<std::uint32_t>(down.taps[t].weight);
            for (std::size_t i = 0; i < rowBytes; ++i) sums[i] += row[i] * w;
        }
        auto* out = reinterpret_cast<std::uint8_t*>(&result.At(0, y));
        for (std::size_t i = 0; i < rowBytes; ++i) out[i] = RoundDown(sums[i]);
    }
    return result;
}

void Fill(const PixelView& target, Argb colour) {
    for (int y = 0; y < target.height; ++y) {
        std::fill_n(&target.At(0, y), target.width, colour);
    }
}

namespace {

inline std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255) return source;
    if (alpha == 0) return destination;
    const std::uint32_t keep = 255 - alpha;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF;
        const std::uint32_t d = (destination >> shift) & 0xFF;
        const std::uint32_t v = s + (d * keep + 127) / 255;
        result |= std::min<std::uint32_t>(v, 255) << shift;
    }
    return result;
}

}  // namespace

void Blit(const PixelView& target, const ConstPixelView& source, int x, int y, bool mirrored) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + source.width, target.width);
    const int bottom = std::min(y + source.height, target.height);
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* in = source.Row(row - y);
        std::uint32_t* out = &target.At(0, row);
        if (!mirrored && source.opaque) {
            std::memcpy(out + left, in + (left - x), sizeof(std::uint32_t) * (right - left));
            continue;
        }
        for (int column = left; column < right; ++column) {
            const int sx = mirrored ? source.width - 1 - (column - x) : column - x;
            out[column] = source.opaque ? in[sx] : Over(in[sx], out[column]);
        }
    }
}

Argb Premultiply(Argb colour) {
    const std::uint32_t alpha = colour >> 24;
    if (alpha == 255) return colour;
    std::uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t c = (colour >> shift) & 0xFF;
        result |= ((c * alpha + 127) / 255) << shift;
    }
    return result;
}

}  // namespace yf::gfx
