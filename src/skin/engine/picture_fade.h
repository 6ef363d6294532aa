// Fading a picture's edges into the skin colour: one band along the right (or left) edge and
// one along the bottom, each a linear gradient as long as 30 % of the picture's width.
#pragma once

#include <array>
#include <optional>

#include "gfx/argb.h"
#include "gfx/figure.h"

namespace yf {

struct GradientBand {
    gfx::PointF from;
    gfx::PointF to;
    gfx::Argb fromColour = 0;
    gfx::Argb toColour = 0;
    gfx::RectF area;  // what the gradient fills
};

// Variant 0 fades the left edge, any other variant the right edge; both fade the bottom.
// `length` defaults to 30 % of the width, rounded down.
std::array<GradientBand, 2> FadeBands(int width, int height, std::optional<int> length,
                                      gfx::ColourRef colour, int variant);

}  // namespace yf
