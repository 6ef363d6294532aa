// Text with a one-pixel halo: four copies in a second colour, shifted left, right, up and down,
// under the text itself, so it reads on any picture.
#pragma once

#include <string_view>

#include "gfx/argb.h"
#include "gfx/graphics_win.h"

namespace yf {

struct HaloTextStyle {
    gfx::ColourRef colour = 0xFFFFFF;
    gfx::ColourRef haloColour = 0x808080;
    int haloOffset = 1;
    std::string_view font = "宋体";
    int style = 0;  // GDI+ font style bits
    float size = 13;
    Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear;
    Gdiplus::StringAlignment vertical = Gdiplus::StringAlignmentNear;
};

constexpr int kHaloAlpha = 150;

bool DrawHaloText(gfx::Graphics& graphics, std::string_view text, const gfx::RectF& layout,
                  const HaloTextStyle& style);

}  // namespace yf
