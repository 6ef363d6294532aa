// Where a control's client area lies inside its outer rectangle, the way the backdrop cuts the
// skin behind a control's client area out of its window's image. Portable so the rule can be
// checked without windows.
#pragma once

#include "skin/geometry.h"

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

}  // namespace yf
