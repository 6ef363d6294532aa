// Where an edit's client area lies inside its outer rectangle, and the frame line a skinned edit
// gets in each state. Portable so the rules can be checked without windows.
#pragma once

#include "gfx/argb.h"
#include "gfx/figure.h"
#include "skin/frame/caption_strip.h"

namespace yf {

// Width (or height) a scroll bar takes from a control's outer rectangle.
constexpr int kScrollBarSize = 17;

struct ControlSizes {
    int outerWidth = 0;
    int outerHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool verticalScrollBar = false;
    bool horizontalScrollBar = false;
};

// The client area in outer coordinates: the border is taken as the same on both sides, half of
// what outer and client size (with any scroll bar) differ by, rounded down.
PixelBox ClientAreaInOuter(const ControlSizes& sizes);

struct EditFrameStyle {
    gfx::RectF rect;
    float penWidth = 1;
    gfx::Argb colour = 0;
    bool operator==(const EditFrameStyle&) const = default;
};

// Hover wins over focus: a 2-pixel accent frame one pixel in; focus a 1-pixel accent frame on
// the edge; otherwise a faint black line on the edge.
EditFrameStyle ChooseEditFrame(int outerWidth, int outerHeight, bool focused, bool hover,
                               gfx::ColourRef accent);

}  // namespace yf
