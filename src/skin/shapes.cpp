#include "skin/shapes.h"

#include <algorithm>

namespace yf {
namespace {

float Whole(int value) {
    return static_cast<float>(value);
}

}  // namespace

using gfx::ArcSegment;
using gfx::Figure;
using gfx::LineSegment;

float ClampCornerRadius(float radius) {
    return std::clamp(radius, kMinCornerRadius, kMaxCornerRadius);
}

Figure RoundRectFigure(float x, float y, float width, float height, float radius) {
    const float r = ClampCornerRadius(radius);
    const float right = x + width;
    const float bottom = y + height;
    Figure figure;
    figure.closed = true;
    figure.segments = {
        ArcSegment{{right - r, y, r, r}, 270, 90},
        ArcSegment{{right - r - 1, bottom - r - 1, r + 1, r + 1}, 0, 90},
        ArcSegment{{x, bottom - r, r, r}, 90, 90},
        ArcSegment{{x, y, r, r}, 180, 90},
    };
    return figure;
}

Figure TopRoundRectFigure(float x, float y, float width, float height, float radius) {
    const float r = radius;
    Figure figure;
    figure.segments = {
        LineSegment{{x, y + height}, {x, y}},
        LineSegment{{x, y}, {x + width - r, y}},
        ArcSegment{{x + width - r, y, r, r}, 270, 90},
        LineSegment{{x + width, y + r}, {x + width, y + height}},
    };
    return figure;
}

Figure TabFigure(float x, float y, float width, float height, float radius) {
    const float r = radius;
    Figure figure;
    figure.segments = {
        LineSegment{{x, y + height}, {x, y + r}},
        ArcSegment{{x, y, r, r}, 180, 90},
        LineSegment{{x + r, y}, {x + width - r, y}},
        ArcSegment{{x + width - r, y, r, r}, 270, 90},
        LineSegment{{x + width, y + r}, {x + width, y + height}},
    };
    return figure;
}

ControlPanel LayoutPanel(int width, int height, bool vertical) {
    ControlPanel panel;
    panel.outline = {0, 0, Whole(width - 1), Whole(height - 1)};
    panel.fill = {1, 1, Whole(width - 2), Whole(height - 2)};
    panel.gradientFrom = {0, 0};
    panel.gradientTo =
        vertical ? gfx::PointF{Whole(width - 1), 0} : gfx::PointF{0, Whole(height - 1)};
    return panel;
}

}  // namespace yf
