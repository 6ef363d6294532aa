// Where the skin draws a progress bar's bar (over the panel of shapes.h), from its range and
// position. Portable so the geometry can be checked without windows.
#pragma once

#include <cstdint>

#include "gfx/figure.h"

namespace yf {

constexpr std::uint32_t kProgressVertical = 0x4;  // PBS_VERTICAL

struct ProgressBarGeometry {
    bool hasBar = false;
    gfx::RectF bar;  // the rounded bar, corner 3
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
    bool operator==(const ProgressBarGeometry&) const = default;
};

// The bar of a progress bar W x H at `position` in low .. high (the position is not reduced by
// the low limit). An empty or reversed range, or a position at or below 0, gives no bar; a bar
// never reaches past the control.
ProgressBarGeometry LayoutProgressBar(int width, int height, bool vertical, int low, int high,
                                      int position);

}  // namespace yf
