// A path figure described as data (lines and arcs in order), so shapes can be built and
// checked without a graphics library and then handed to a GDI+ path in one go.
#pragma once

#include <variant>
#include <vector>

namespace yf::gfx {

struct PointF {
    float x = 0;
    float y = 0;
    bool operator==(const PointF&) const = default;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    bool operator==(const RectF&) const = default;
};

struct LineSegment {
    PointF from;
    PointF to;
    bool operator==(const LineSegment&) const = default;
};

// An elliptical arc inside `bounds`, angles in degrees, clockwise from the x axis.
struct ArcSegment {
    RectF bounds;
    float startAngle = 0;
    float sweepAngle = 0;
    bool operator==(const ArcSegment&) const = default;
};

using Segment = std::variant<LineSegment, ArcSegment>;

struct Figure {
    std::vector<Segment> segments;
    bool closed = false;
};

}  // namespace yf::gfx
