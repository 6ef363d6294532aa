// How a transparent label draws its text: the style fields with their ranges, and the list of
// text copies each effect draws.
#pragma once

#include <cstdint>
#include <vector>

namespace yf {

struct LabelStyle {
    int effect = 0;               // 0 none, 1 white shadow, 2 white raised, 3 black drop shadow
    std::uint32_t colour = 0;     // COLORREF of the text
    int horizontalAlign = 0;      // 0 left, 1 centred, 2 right
    bool lineBreaking = false;    // wrap at word ends and "\r\n", from the top
    int verticalAlign = 1;        // without line breaking: 0 top, 1 centred, 2 bottom
};

// Values outside a field's range are taken as the nearest end.
LabelStyle Clamped(LabelStyle style);

struct TextCopy {
    int dx, dy;
    std::uint32_t colour;
};

// The copies to draw, in drawing order; the last one is the text itself.
std::vector<TextCopy> TextCopies(const LabelStyle& style);

}  // namespace yf
