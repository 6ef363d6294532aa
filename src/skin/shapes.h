// The outlines the skin draws with: the rounded rectangle every painter uses, and the two open
// figures of the caption buttons (only the top-right corner rounded; a tab with both top
// corners rounded).
#pragma once

#include "gfx/figure.h"

namespace yf {

constexpr float kMinCornerRadius = 1;
constexpr float kMaxCornerRadius = 100;

float ClampCornerRadius(float radius);

// A closed rounded rectangle: arcs at the top-right, bottom-right, bottom-left and top-left
// corners in that order. The bottom-right arc is one pixel larger and one pixel further in,
// which keeps the right and bottom edges inside a w x h area.
gfx::Figure RoundRectFigure(float x, float y, float width, float height, float radius);

// Open: up the left edge, along the top, the rounded top-right corner, down the right edge.
gfx::Figure TopRoundRectFigure(float x, float y, float width, float height, float radius);

// Open: up the left edge to the rounded top-left corner, along the top, the rounded
// top-right corner, down the right edge.
gfx::Figure TabFigure(float x, float y, float width, float height, float radius);

}  // namespace yf
