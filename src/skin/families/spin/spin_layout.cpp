#include "skin/families/spin/spin_layout.h"

namespace yf {

int SpinHitPart(int width, int height, bool horizontal, int x, int y) {
    if (horizontal) return x > width / 2 ? 1 : 0;
    return y > height / 2 ? 1 : 0;
}

SpinLayout LayoutSpin(int width, int height, bool horizontal, int glyphWidth, int glyphHeight) {
    SpinLayout layout;
    const int hw = horizontal ? width / 2 : width;
    const int hh = horizontal ? height : height / 2;
    layout.halfWidth = hw;
    layout.halfHeight = hh;
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const auto fw = static_cast<float>(hw);
    const auto fh = static_cast<float>(hh);
    const float glyphX = (fw - static_cast<float>(glyphWidth)) / 2;
    const float glyphY = (fh - static_cast<float>(glyphHeight)) / 2;
    layout.plate = {0, 0, w - 1, h - 1};

    SpinHalf& first = layout.halves[0];
    first.outline = {0, 0, fw - 1, fh - 1};
    first.glyphAt = {glyphX, glyphY};
    SpinHalf& second = layout.halves[1];
    if (horizontal) {
        first.gradientFrom = {0, 0};
        first.gradientTo = {fw - 1, 0};
        second.outline = {fw, 0, fw - 1, fh - 1};
        second.gradientFrom = {fw - 1, 0};
        second.gradientTo = {w, 0};
        second.glyphAt = {fw + glyphX, glyphY};
    } else {
        first.gradientFrom = {0, 0};
        first.gradientTo = {0, fh - 1};
        second.outline = {0, fh, fw - 1, fh - 1};
        second.gradientFrom = {0, fh};
        second.gradientTo = {0, h};
        second.glyphAt = {glyphX, fh + glyphY};
    }
    return layout;
}

int SpinHotHalf(const SpinLayout& layout, bool horizontal, bool hover, int mouseX, int mouseY) {
    if (!hover) return -1;
    if (horizontal) return layout.halfWidth < mouseX ? 1 : 0;
    return layout.halfHeight < mouseY ? 1 : 0;
}

SpinHalfColours SpinHalfStyle(bool hot, bool pressed, bool upHalfOfVertical,
                              gfx::ColourRef accent) {
    using gfx::kBlackRef;
    using gfx::kWhiteRef;
    using gfx::MakeArgb;
    if (hot && pressed) {
        return {MakeArgb(accent, 200), MakeArgb(accent, 100), MakeArgb(kWhiteRef, 150)};
    }
    if (hot) return {MakeArgb(accent, 200), MakeArgb(kWhiteRef, 100), MakeArgb(accent, 150)};
    const int whiteAlpha = upHalfOfVertical ? 60 : 20;
    return {MakeArgb(kBlackRef, 100), MakeArgb(kWhiteRef, whiteAlpha), MakeArgb(accent, 100)};
}

}  // namespace yf
