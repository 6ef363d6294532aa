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
        if (sourceLength == outputLength) {
            firstIndex = o;
            weights.push_back(1.0);
        } else if (scale > 1.0) {
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
            const auto fixed =
                static_cast<std::int32_t>(std::lround(weights[k] / total * kWeightOne));
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

ConstPixelView SubView(const ConstPixelView& view, int x, int y, int width, int height) {
    x = std::clamp(x, 0, view.width);
    y = std::clamp(y, 0, view.height);
    width = std::clamp(width, 0, view.width - x);
    height = std::clamp(height, 0, view.height - y);
    return {view.pixels ? view.Row(y) + x : nullptr, width, height, view.stride, view.opaque};
}

SourcePixels SourceOf(const ConstPixelView& view) {
    return {reinterpret_cast<const std::uint8_t*>(view.pixels),
            view.width,
            view.height,
            view.stride * 4,
            4,
            view.opaque};
}

namespace {

// Sums `block` pixels of a row (bytes or column sums, B G R [A] each) per output pixel and
// shifts the sums down; three-byte pixels count as opaque.
template <int kBytes, typename T>
void SumBlocks(const T* in, std::uint32_t* out, int outputs, int block, int shift,
               std::uint32_t half) {
    const std::uint32_t opaque = (255u << shift) + half;
    if (block == 2) {
        // The common case (halving once across) unrolled.
        for (int ox = 0; ox < outputs; ++ox, in += 2 * kBytes) {
            const std::uint32_t b = in[0] + in[kBytes] + half;
            const std::uint32_t g = in[1] + in[kBytes + 1] + half;
            const std::uint32_t r = in[2] + in[kBytes + 2] + half;
            std::uint32_t a = opaque;
            if constexpr (kBytes == 4) a = in[3] + in[kBytes + 3] + half;
            out[ox] =
                ((a >> shift) << 24) | ((r >> shift) << 16) | ((g >> shift) << 8) | (b >> shift);
        }
        return;
    }
    for (int ox = 0; ox < outputs; ++ox) {
        std::uint32_t b = half, g = half, r = half, a = half;
        for (int i = 0; i < block; ++i, in += kBytes) {
            b += in[0];
            g += in[1];
            r += in[2];
            if constexpr (kBytes == 4) a += in[3];
        }
        if constexpr (kBytes == 3) a = opaque;
        out[ox] = ((a >> shift) << 24) | ((r >> shift) << 16) | ((g >> shift) << 8) | (b >> shift);
    }
}

// log2 of the largest power of two f with length / f >= minimum (at least 1 output pixel).
int HalvingSteps(int length, int minimum) {
    int steps = 0;
    while ((length >> (steps + 1)) >= std::max(minimum, 1)) ++steps;
    return steps;
}

}  // namespace

PixelBuffer ShrinkByHalves(const SourcePixels& source, int minWidth, int minHeight) {
    if (!source.bytes || source.width <= 0 || source.height <= 0) return {};
    const int stepsAcross = HalvingSteps(source.width, minWidth);
    const int stepsDown = HalvingSteps(source.height, minHeight);
    const int blockWidth = 1 << stepsAcross;
    const int blockHeight = 1 << stepsDown;
    const int width = source.width >> stepsAcross;
    const int height = source.height >> stepsDown;
    PixelBuffer result(width, height);
    result.opaque = source.opaque;
    const int bpp = source.bytesPerPixel;

    if (blockWidth == 1 && blockHeight == 1) {
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* in = source.bytes + static_cast<std::ptrdiff_t>(y) * source.stride;
            std::uint32_t* out = &result.At(0, y);
            if (bpp == 4) {
                std::memcpy(out, in, sizeof(std::uint32_t) * width);
                continue;
            }
            for (int x = 0; x < width; ++x, in += 3) {
                out[x] = 0xFF000000u | (std::uint32_t{in[2]} << 16) | (std::uint32_t{in[1]} << 8) |
                         in[0];
            }
        }
        return result;
    }

    // Whole blocks first: the block's rows are added byte by byte (a loop the compiler turns
    // into vector adds), then each block's columns are summed and shifted down once.
    const int shift = stepsAcross + stepsDown;
    const std::uint32_t half = (1u << shift) >> 1;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * blockWidth * bpp;
    std::vector<std::uint16_t> columnSums(blockHeight > 1 ? rowBytes : 0);
    for (int oy = 0; oy < height; ++oy) {
        const std::uint8_t* first =
            source.bytes + static_cast<std::ptrdiff_t>(oy) * blockHeight * source.stride;
        std::uint32_t* out = &result.At(0, oy);
        if (blockHeight == 1) {
            if (bpp == 4) {
                SumBlocks<4>(first, out, width, blockWidth, shift, half);
            } else {
                SumBlocks<3>(first, out, width, blockWidth, shift, half);
            }
            continue;
        }
        std::copy(first, first + rowBytes, columnSums.begin());
        for (int r = 1; r < blockHeight; ++r) {
            const std::uint8_t* row = first + static_cast<std::ptrdiff_t>(r) * source.stride;
            std::uint16_t* sum = columnSums.data();
            for (std::size_t i = 0; i < rowBytes; ++i)
                sum[i] = static_cast<std::uint16_t>(sum[i] + row[i]);
        }
        if (bpp == 4) {
            SumBlocks<4>(columnSums.data(), out, width, blockWidth, shift, half);
        } else {
            SumBlocks<3>(columnSums.data(), out, width, blockWidth, shift, half);
        }
    }

    // The last column and row take the source's remainder, averaged pixel by pixel.
    const auto averageBlock = [&](int ox, int oy) {
        const int x0 = ox * blockWidth;
        const int y0 = oy * blockHeight;
        const int x1 = ox == width - 1 ? source.width : x0 + blockWidth;
        const int y1 = oy == height - 1 ? source.height : y0 + blockHeight;
        std::uint32_t b = 0, g = 0, r = 0, a = 0;
        for (int y = y0; y < y1; ++y) {
            const std::uint8_t* p =
                source.bytes + static_cast<std::ptrdiff_t>(y) * source.stride + x0 * bpp;
            for (int x = x0; x < x1; ++x, p += bpp) {
                b += p[0];
                g += p[1];
                r += p[2];
                a += bpp == 4 ? p[3] : 255u;
            }
        }
        const auto n = static_cast<std::uint32_t>((x1 - x0) * (y1 - y0));
        const auto average = [n](std::uint32_t total) { return (total + n / 2) / n; };
        result.At(ox, oy) =
            (average(a) << 24) | (average(r) << 16) | (average(g) << 8) | average(b);
    };
    if (source.width % blockWidth != 0) {
        for (int oy = 0; oy < height; ++oy) averageBlock(width - 1, oy);
    }
    if (source.height % blockHeight != 0) {
        for (int ox = 0; ox < width; ++ox) averageBlock(ox, height - 1);
    }
    return result;
}

PixelBuffer ScaleTo(const SourcePixels& source, int width, int height) {
    const PixelBuffer shrunk = ShrinkByHalves(source, width, height);
    if (shrunk.width == width && shrunk.height == height) return shrunk;
    return Resample(ViewOf(shrunk), width, height);
}

SparseOverlay NineSlice(const PixelBuffer& tile, int reach, int width, int height) {
    SparseOverlay overlay;
    overlay.width = width;
    overlay.height = height;
    if (tile.empty() || width <= 0 || height <= 0) return overlay;
    const int middleX = tile.width / 2;
    const int middleY = tile.height / 2;
    const auto sourceX = [&](int x) {
        return x < reach ? x : x >= width - reach ? x - (width - tile.width) : middleX;
    };
    const auto sourceY = [&](int y) {
        return y < reach ? y : y >= height - reach ? y - (height - tile.height) : middleY;
    };
    const auto keep = [&](int x, int y) {
        const std::uint32_t colour = tile.At(sourceX(x), sourceY(y));
        if (colour >> 24) {
            overlay.pixels.push_back(
                {static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(width) +
                     static_cast<std::uint32_t>(x),
                 colour});
        }
    };
    for (int y = 0; y < height; ++y) {
        const bool edgeRow = y < reach || y >= height - reach;
        if (edgeRow) {
            for (int x = 0; x < width; ++x) keep(x, y);
            continue;
        }
        for (int x = 0; x < std::min(reach, width); ++x) keep(x, y);
        for (int x = std::max(width - reach, reach); x < width; ++x) keep(x, y);
    }
    return overlay;
}

void Apply(const PixelView& target, const SparseOverlay& overlay) {
    if (target.width != overlay.width || target.height != overlay.height) return;
    for (const SparseOverlay::Pixel& p : overlay.pixels) {
        const std::uint32_t x = p.offset % static_cast<std::uint32_t>(overlay.width);
        const std::uint32_t y = p.offset / static_cast<std::uint32_t>(overlay.width);
        std::uint32_t& pixel = target.At(static_cast<int>(x), static_cast<int>(y));
        pixel = Over(p.colour, pixel);
    }
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

    // Across first: each source row becomes an output-wide row (or stays as it is).
    const bool sameWidth = width == source.width;
    const Taps across = sameWidth ? Taps{} : ComputeTaps(source.width, width);
    std::vector<std::uint8_t> rows(sameWidth ? 0
                                             : static_cast<std::size_t>(width) * source.height * 4);
    for (int y = 0; !sameWidth && y < source.height; ++y) {
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
            const std::uint8_t* row =
                sameWidth ? reinterpret_cast<const std::uint8_t*>(source.Row(down.taps[t].index))
                          : &rows[static_cast<std::size_t>(down.taps[t].index) * rowBytes];
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

std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
    const std::uint32_t alpha = source >> 24;
    if (alpha == 255) return source;
    if (alpha == 0) return destination;
    const std::uint32_t keep = 255 - alpha;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF;
        // d * keep / 255, rounded, without a division.
        const std::uint32_t scaled = ((destination >> shift) & 0xFF) * keep + 128;
        const std::uint32_t v = s + ((scaled + (scaled >> 8)) >> 8);
        result |= std::min<std::uint32_t>(v, 255) << shift;
    }
    return result;
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
