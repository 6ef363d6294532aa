// Text with a soft glow behind it: the text drawn in the glow colour on a layer of its own,
// shrunk and grown back so it blurs, a few faint copies on top, and the text itself over that.
#pragma once

#include <string_view>

#include "gfx/argb.h"
#include "gfx/graphics_win.h"

namespace yf {

struct GlowTextStyle {
    gfx::ColourRef colour = 0;
    gfx::ColourRef glowColour = 0xFFFFFF;
    float glowSize = 4;
    std::string_view font = "宋体";
    float size = 12;  // pixels
    Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear;
    Gdiplus::StringAlignment vertical = Gdiplus::StringAlignmentNear;
};

// False when the font does not exist or a layer cannot be made (nothing is drawn then).
bool DrawGlowText(gfx::Graphics& graphics, std::string_view text, const gfx::RectF& rect,
                  const GlowTextStyle& style);

}  // namespace yf
