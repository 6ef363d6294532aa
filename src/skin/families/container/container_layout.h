// The shapes of a skinned container: its translucent panel, the rounded double frame, a group
// box's caption place, and where docked windows go. Portable so they can be checked directly.
#pragma once

#include <cstdint>
#include <string_view>

#include "gfx/figure.h"
#include "skin/geometry.h"

namespace yf {

constexpr float kPanelCorner = 5;
// A group box's frame runs through the middle of a caption line this far below the top.
constexpr float kGroupFrameTop = 5;
// A caption that is not centred keeps this distance from the side it is aligned to.
constexpr int kGroupCaptionIndent = 10;

// Class "Button" with style bit 0x4, which the group-box style has.
bool IsGroupBoxStyle(std::string_view className, std::uint32_t style);

// The panel colour fills a group box below the caption line's middle, any other container
// whole.
RoundRect ContainerPanel(bool groupBox, int width, int height);

struct DoubleFrame {
    RoundRect outer;  // dark line
    RoundRect inner;  // light line just inside it
};

DoubleFrame GroupBoxFrame(int width, int height);
// The frame of a container that is not a group box but asked for one.
DoubleFrame ContainerBorder(int width, int height);

// The caption's rectangle for a text `textWidth` wide (as MeasureTextWidth gives it) in a font
// of em size `fontSize`: centred for BS_CENTER, 10 from the left for BS_LEFT alone, else 10
// from the right.
gfx::RectF GroupCaptionRect(int width, std::uint32_t style, int textWidth, int fontSize);

}  // namespace yf
