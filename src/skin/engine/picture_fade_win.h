// Fading a picture's edges into a colour with GDI+ (the bands come from FadeBands).
#pragma once

#include <optional>

#include "gfx/argb.h"
#include "gfx/image_win.h"

namespace yf {

// Draws `picture` into a new 32-bit bitmap of its size and lays the two fade bands over it.
bool FadeIntoBitmap(const gfx::Image& picture, std::optional<int> length, gfx::ColourRef colour,
                    int variant, gfx::Bitmap& faded);

}  // namespace yf
