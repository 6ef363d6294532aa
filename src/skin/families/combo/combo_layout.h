// The parts of a skinned combo box: frame, the rounded drop-down button with its gradient and
// arrow, and where a drop-down list shows its text, with the colours of each state. Portable so
// the geometry can be checked without windows.
#pragma once

#include <cstdint>

#include "gfx/argb.h"
#include "gfx/figure.h"

namespace yf {

// The closed field's text: this face at this size in pixels.
inline constexpr char kComboTextFont[] = "宋体";
constexpr float kComboTextSize = 12;
constexpr int kComboArrowWidth = 7;
constexpr int kComboArrowHeight = 4;

struct ComboLayout {
    bool hasButton = false;  // CBS_DROPDOWN or CBS_DROPDOWNLIST
    bool dropList = false;   // CBS_DROPDOWNLIST: the engine draws the text too
    bool ownerDrawn = false;
    int buttonLeft = 0;
    int buttonTop = 2;
    int buttonWidth = 0;
    int buttonHeight = 0;
    gfx::RectF frame;
    gfx::RectF buttonOutline;  // corner 4
    gfx::RectF buttonFill;     // corner 1
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
    gfx::PointF arrowAt;
    gfx::RectF text;
    // An owner-drawn drop-down list leaves its closed text to the owner, which draws it on or
    // over the box itself.
    bool DrawsText() const { return dropList && !ownerDrawn; }
};

// For a combo box of outer size `width` x `height` with window style `style`.
ComboLayout LayoutCombo(int width, int height, std::uint32_t style);

struct ComboColours {
    gfx::Argb frame;
    gfx::Argb buttonOutline;
    gfx::Argb fillFrom;
    gfx::Argb fillTo;
    bool operator==(const ComboColours&) const = default;
};

// The frame lights up on hover or focus; the button only on hover.
ComboColours ComboStyle(bool hover, bool focused, gfx::ColourRef accent);

}  // namespace yf
