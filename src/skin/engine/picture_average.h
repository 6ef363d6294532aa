// A picture's dominant colour: the mean of randomly sampled pixels, optionally only from its
// right and bottom margins.
#pragma once

#include <cstdint>

#include "gfx/argb.h"
#include "gfx/pixel_buffer.h"

namespace yf {

constexpr int kAverageSamples = 2000;

// Mean red, green and blue of `samples` pixels picked at random in the sampling area: the whole
// picture, or only its last `rightMargin` columns / `bottomMargin` rows when those are above 0.
// Black for an empty picture.
gfx::ColourRef AveragePictureColour(const gfx::PixelBuffer& picture, int samples, int rightMargin,
                                    int bottomMargin, std::uint32_t seed = 1);

}  // namespace yf
