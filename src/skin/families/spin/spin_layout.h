// Geometry and colours of a skinned up-down control: which half the mouse is over, where the two
// rounded halves, their gradients and arrow glyphs go, and which colours a half takes in each
// state. Portable so the rules can be checked without windows.
#pragma once

#include "gfx/argb.h"
#include "gfx/figure.h"

namespace yf {

constexpr float kSpinCorner = 3;
// The translucent plate under both halves.
constexpr int kSpinPlateAlpha = 160;

// 0: the up (or left) half, 1: the down (or right) half, for a point in control coordinates of
// a control `width` x `height`. A point exactly on the middle line belongs to the first half.
int SpinHitPart(int width, int height, bool horizontal, int x, int y);

struct SpinHalf {
    gfx::RectF outline;  // the rounded rectangle (corner kSpinCorner)
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
    gfx::PointF glyphAt;  // top-left of the arrow glyph, centred in the half
};

struct SpinLayout {
    int halfWidth = 0;
    int halfHeight = 0;
    gfx::RectF plate;
    SpinHalf halves[2];  // up/left, then down/right
};

// The halves of a control `width` x `height`; glyphs are `glyphWidth` x `glyphHeight` (7 x 4 for
// a vertical control, 4 x 7 for a horizontal one). Odd sizes give the second half the same size
// as the first, so its last column or row shows only the plate.
SpinLayout LayoutSpin(int width, int height, bool horizontal, int glyphWidth, int glyphHeight);

// The half shown hot: -1 without hover, else the half the mouse position lies in.
int SpinHotHalf(const SpinLayout& layout, bool horizontal, bool hover, int mouseX, int mouseY);

struct SpinHalfColours {
    gfx::Argb pen;
    gfx::Argb gradientFrom;
    gfx::Argb gradientTo;
    bool operator==(const SpinHalfColours&) const = default;
};

// The state table of one half: hot (with or without the button down) in the accent colour, the
// up half of a vertical control a little brighter than the others when not hot.
SpinHalfColours SpinHalfStyle(bool hot, bool pressed, bool upHalfOfVertical, gfx::ColourRef accent);

}  // namespace yf
