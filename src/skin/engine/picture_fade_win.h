// Fading a picture's edges into a colour with GDI+ (the bands come from FadeBands).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/argb.h"
#include "gfx/image_win.h"

namespace yf {

// Draws `picture` into a new 32-bit bitmap of its size and lays the two fade bands over it.
bool FadeIntoBitmap(const gfx::Image& picture, std::optional<int> length, gfx::ColourRef colour,
                    int variant, gfx::Bitmap& faded);

// The picture with its right (variant != 0) or left edge and its bottom faded into `colour`,
// as PNG bytes; empty when the picture does not decode.
std::vector<std::uint8_t> FadePicture(std::span<const std::uint8_t> bytes,
                                      std::optional<int> length, gfx::ColourRef colour,
                                      int variant = 1);

}  // namespace yf
