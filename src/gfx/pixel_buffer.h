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

// The part (x, y, width, height) of a view, clipped to it.
ConstPixelView SubView(const ConstPixelView& view, int x, int y, int width, int height);

// Decoded pixels as a decoder hands them out: B, G, R bytes (3 per pixel) or premultiplied
// B, G, R, A (4 per pixel), `stride` bytes from row to row.
struct SourcePixels {
    const std::uint8_t* bytes = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int bytesPerPixel = 4;
    bool opaque = true;
};

SourcePixels SourceOf(const ConstPixelView& view);

// Shrinks by whole powers of two, per axis, as far as the result stays at least
// minWidth x minHeight: every output pixel is the average of its block of source pixels (the
// last row and column of blocks take the remainder). A cheap first step before Resample; with
// nothing to halve it is a plain copy into 32-bit pixels.
PixelBuffer ShrinkByHalves(const SourcePixels& source, int minWidth, int minHeight);

// ShrinkByHalves, then Resample to exactly width x height.
PixelBuffer ScaleTo(const SourcePixels& source, int width, int height);

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

// `source` composed over `destination`, both premultiplied.
std::uint32_t Over(std::uint32_t source, std::uint32_t destination);

// The few pixels a decoration changes in an image (an outline, corner keys), kept as a list
// so that laying them over a large image costs only as much as the decoration itself.
struct SparseOverlay {
    struct Pixel {
        std::uint32_t offset;  // y * width + x in the image it was made for
        std::uint32_t colour;  // premultiplied; composed over the image
    };
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
};

// A decoration drawn on a small `tile` (square, edges straight in its middle) stretched to
// width x height: the `reach` pixels at each corner come from the tile's corners, and the
// edges between repeat the tile's middle row and column. Only pixels with alpha are kept.
SparseOverlay NineSlice(const PixelBuffer& tile, int reach, int width, int height);

// Lays the overlay over an image of the size it was made for.
void Apply(const PixelView& target, const SparseOverlay& overlay);

}  // namespace yf::gfx
