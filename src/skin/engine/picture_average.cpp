#include "skin/engine/picture_average.h"

#include <algorithm>
#include <random>

namespace yf {

gfx::ColourRef AveragePictureColour(const gfx::PixelBuffer& picture, int samples, int rightMargin,
                                    int bottomMargin, std::uint32_t seed) {
    if (picture.empty() || samples <= 0) return 0;
    const int left = rightMargin > 0 ? std::max(picture.width - rightMargin, 0) : 0;
    const int top = bottomMargin > 0 ? std::max(picture.height - bottomMargin, 0) : 0;
    std::minstd_rand random(seed);
    std::uniform_int_distribution<int> column(left, picture.width - 1);
    std::uniform_int_distribution<int> row(top, picture.height - 1);
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int i = 0; i < samples; ++i) {
        const std::uint32_t pixel = picture.At(column(random), row(random));
        const std::uint32_t alpha = pixel >> 24;
        auto channel = [&](int shift) -> std::uint32_t {
            const std::uint32_t value = (pixel >> shift) & 0xFF;
            // Pixels are premultiplied; the colour of a translucent pixel is what it tints.
            return alpha == 0 ? 0 : std::min<std::uint32_t>(255, value * 255 / alpha);
        };
        red += channel(16);
        green += channel(8);
        blue += channel(0);
    }
    const auto n = static_cast<std::uint64_t>(samples);
    return gfx::MakeColourRef(static_cast<int>(red / n), static_cast<int>(green / n),
                              static_cast<int>(blue / n));
}

}  // namespace yf
