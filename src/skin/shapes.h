// The outlines the skin draws with: the rounded rectangle every painter uses, the two open
// figures of the caption buttons (only the top-right corner rounded; a tab with both top
// corners rounded), the frame line of edits and lists, and the panel trackbars and progress
// bars lie on.
#pragma once

#include "gfx/argb.h"
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

// One rectangle drawn with a pen: the thin frame edits and list-type controls get over the skin.
struct FrameLine {
    gfx::RectF rect;
    float penWidth = 1;
    gfx::Argb colour = 0;
    bool operator==(const FrameLine&) const = default;
};

// The panel behind a trackbar or progress bar W x H: a rounded outline and a gradient fill
// running across the control.
struct ControlPanel {
    gfx::RectF outline;  // corner 5
    gfx::RectF fill;     // corner 3 for a trackbar, 1 for a progress bar
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
};
ControlPanel LayoutPanel(int width, int height, bool vertical);

}  // namespace yf
