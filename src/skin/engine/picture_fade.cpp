#include "skin/engine/picture_fade.h"

namespace yf {

using gfx::MakeArgb;

std::array<GradientBand, 2> FadeBands(int width, int height, std::optional<int> length,
                                      gfx::ColourRef colour, int variant) {
    const int q = length.value_or(static_cast<int>(0.3 * width));
    const auto fw = static_cast<float>(width);
    const auto fh = static_cast<float>(height);
    const auto fq = static_cast<float>(q);
    GradientBand side;
    if (variant != 0) {
        const auto start = static_cast<float>(static_cast<int>(fw - fq));
        side = {{start, 0},
                {fw, 0},
                MakeArgb(gfx::kWhiteRef, 0),
                MakeArgb(colour, 255),
                {start + 1, 0, fq, fh}};
    } else {
        side = {
            {0, 0}, {fq, 0}, MakeArgb(colour, 255), MakeArgb(gfx::kWhiteRef, 0), {0, 0, fq, fh}};
    }
    const auto bottomStart = static_cast<float>(static_cast<int>(fh - fq));
    const GradientBand bottom{{0, bottomStart},
                              {0, fh},
                              MakeArgb(colour, 0),
                              MakeArgb(colour, 255),
                              {0, bottomStart + 1, fw, fq}};
    return {side, bottom};
}

}  // namespace yf
