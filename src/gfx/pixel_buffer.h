// Pictures as plain 32-bit pixels, and the few operations the window composition needs on
// them: scaling a decoded picture to a window once, and copying it (mirrored or not) into the
// window image. Kept apart from GDI+ so a large skin picture is resampled exactly once per
// size and a repaint is a block copy.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/argb.h"

namespace yf::gfx {

// Premultiplied 0xAARRGGBB pixels (B, G, R, A bytes in memory), rows top-down, no padding.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool opaque = true;  // every alpha is 255: copies need no blending

    PixelBuffer() = default;
    PixelBuffer(int w, int h);
    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Pixels owned elsewhere (a DIB section, a locked GDI+ bitmap); `stride` counts pixels.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    std::uint32_t& At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * stride + x];
    }
};

struct ConstPixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    bool opaque = true;
    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * stride + x];
    }
    const std::uint32_t* Row(int y) const { return pixels + static_cast<std::size_t>(y) * stride; }
};

PixelView WritableView(PixelBuffer& buffer);
ConstPixelView ViewOf(const PixelBuffer& buffer);

// Resamples to width x height: each output pixel averages the source area it covers when
// shrinking, and interpolates linearly between neighbours when enlarging (per axis).
PixelBuffer Resample(const ConstPixelView& source, int width, int height);

// Every pixel of `target` set to `colour` (premultiplied ARGB).
void Fill(const PixelView& target, Argb colour);

// Draws `source` with its top-left corner at (x, y), clipped to the target; `mirrored` flips it
// left to right. Transparent sources are composed over the target, opaque ones copied.
void Blit(const PixelView& target, const ConstPixelView& source, int x, int y, bool mirrored);

// A straight (not premultiplied) ARGB colour in premultiplied form.
Argb Premultiply(Argb colour);

}  // namespace yf::gfx
