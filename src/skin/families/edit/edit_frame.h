// The frame line a skinned edit gets in each state. Portable so the rule can be checked
// without windows.
#pragma once

#include "gfx/argb.h"
#include "skin/shapes.h"

namespace yf {

// Hover wins over focus: a 2-pixel accent frame one pixel in; focus a 1-pixel accent frame on
// the edge; otherwise a faint black line on the edge.
FrameLine ChooseEditFrame(int outerWidth, int outerHeight, bool focused, bool hover,
                          gfx::ColourRef accent);

}  // namespace yf
