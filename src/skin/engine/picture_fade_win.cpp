#include "skin/engine/picture_fade_win.h"

#include "gfx/graphics_win.h"
#include "skin/engine/picture_fade.h"

namespace yf {

bool FadeIntoBitmap(const gfx::Image& picture, std::optional<int> length, gfx::ColourRef colour,
                    int variant, gfx::Bitmap& faded) {
    const int width = static_cast<int>(picture.Width());
    const int height = static_cast<int>(picture.Height());
    if (width <= 0 || height <= 0 || !faded.Create(width, height, PixelFormat32bppARGB))
        return false;
    gfx::Graphics graphics;
    if (!graphics.FromImage(faded)) return false;
    graphics.SetCompositingQuality(gfx::gp::CompositingQualityGammaCorrected);
    graphics.DrawImageRect(picture, {0, 0, static_cast<float>(width), static_cast<float>(height)});
    for (const GradientBand& band : FadeBands(width, height, length, colour, variant)) {
        gfx::LinearGradientBrush brush;
        if (brush.Create(band.from, band.to, band.fromColour, band.toColour)) {
            graphics.FillRectangle(brush, band.area);
        }
    }
    return true;
}

std::vector<std::uint8_t> FadePicture(std::span<const std::uint8_t> bytes,
                                      std::optional<int> length, gfx::ColourRef colour,
                                      int variant) {
    gfx::Bitmap picture;
    gfx::Bitmap faded;
    if (!picture.FromBytes(bytes) || !FadeIntoBitmap(picture, length, colour, variant, faded)) {
        return {};
    }
    return faded.SaveToBytes(gfx::kPngFormat);
}

}  // namespace yf
