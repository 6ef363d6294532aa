// How a colour-keyed control is laid over the skin: the classes known to paint into a DC they
// are handed paint off screen; any other class paints on the screen and its pixels are read
// back. Portable so the rules can be checked without windows.
#pragma once

#include <string_view>

namespace yf {

enum class KeyedPaint {
    OffScreen,  // the control paints into a copy of the skin behind it
    ReadBack,   // the control paints on the screen; its pixels are read back and keyed
};

KeyedPaint ChooseKeyedPaint(std::string_view className);

// A rich edit scrolls by moving its pixels, picture and all: it is repainted whole instead.
bool RepaintsWholeOnScroll(std::string_view className);

}  // namespace yf
