// Pictures made in memory for the skin tests (GDI+ must be running).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/graphics_win.h"
#include "gfx/image_win.h"

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

}  // namespace yf::testing
