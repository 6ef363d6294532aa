// Colours of the push button with icon in each state.
#pragma once

#include <cstdint>

namespace yf {

struct ButtonColours {
    std::uint32_t text;
    std::uint32_t face;
};

// Hovering wins over focus: the mouse is what the user is looking at.
ButtonColours IconButtonColours(bool hovered, bool focused);

}  // namespace yf
