// Pictures made in memory for the skin tests (GDI+ must be running).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "gfx/pixels_win.h"

namespace yf::testing {

// A picture of four flat quadrants (top-left, top-right, bottom-left, bottom-right colours as
// opaque ARGB), encoded in `format` (PNG keeps the colours exact).
inline std::vector<std::uint8_t> QuadrantPicture(int width, int height,
                                                 const std::uint32_t (&colours)[4],
                                                 std::string_view format = gfx::kPngFormat) {
    gfx::Bitmap bitmap;
    bitmap.Create(width, height);
    gfx::Graphics graphics;
    graphics.FromImage(bitmap);
    for (int q = 0; q < 4; ++q) {
        gfx::SolidBrush brush;
        brush.Create(colours[q]);
        const float left = (q % 2) ? width / 2.0f : 0.0f;
        const float top = (q / 2) ? height / 2.0f : 0.0f;
        graphics.FillRectangle(brush, {left, top, width / 2.0f, height / 2.0f});
    }
    graphics.Delete();
    return bitmap.SaveToBytes(format);
}

inline std::vector<std::uint8_t> FlatPicture(int width, int height, std::uint32_t colour,
                                             std::string_view format = gfx::kPngFormat) {
    const std::uint32_t colours[4] = {colour, colour, colour, colour};
    return QuadrantPicture(width, height, colours, format);
}

// A picture whose every pixel differs from each of its four neighbours (in red, by 7 across
// and 3 down), with a pattern over the gradient: a face copied from the wrong place, or left
// where its control no longer is, shows on it.
inline std::uint32_t PatternRgb(int x, int y) {
    const auto red = static_cast<std::uint32_t>((x * 7 + y * 3) & 0xFF);
    const auto green = static_cast<std::uint32_t>((x * 5 + y * 11) & 0xFF);
    const auto blue = static_cast<std::uint32_t>(((x * 13) ^ (y * 17)) & 0xFF);
    return red << 16 | green << 8 | blue;
}

inline std::vector<std::uint8_t> PatternPicture(int width, int height) {
    gfx::PixelBuffer pixels(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.At(x, y) = 0xFF000000u | PatternRgb(x, y);
    }
    gfx::Bitmap bitmap;
    gfx::ToBitmap(pixels, bitmap);
    return bitmap.SaveToBytes(gfx::kPngFormat);
}

}  // namespace yf::testing
