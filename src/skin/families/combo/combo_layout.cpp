#include "skin/families/combo/combo_layout.h"

namespace yf {
namespace {

// Combo box style bits, as the window style carries them.
constexpr std::uint32_t kDropDownBit = 0x2;
constexpr std::uint32_t kSimpleBit = 0x1;
constexpr std::uint32_t kOwnerDrawBits = 0x10 | 0x20;  // fixed or variable

}  // namespace

ComboLayout LayoutCombo(int width, int height, std::uint32_t style) {
    ComboLayout layout;
    layout.hasButton = (style & kDropDownBit) != 0;
    layout.dropList = layout.hasButton && (style & kSimpleBit) != 0;
    layout.ownerDrawn = (style & kOwnerDrawBits) != 0;
    layout.buttonWidth = layout.dropList ? 17 : 18;
    layout.buttonLeft = width - layout.buttonWidth - 2;
    layout.buttonHeight = height - 4;

    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const auto bl = static_cast<float>(layout.buttonLeft);
    const auto bw = static_cast<float>(layout.buttonWidth);
    const auto bh = static_cast<float>(layout.buttonHeight);
    layout.frame = {0, 0, w - 1, h - 1};
    layout.buttonOutline = {bl, 2, bw - 1, bh - 1};
    layout.buttonFill = {bl + 1, 3, bw - 2, bh - 2};
    layout.gradientFrom = {bl + 1, 2};
    layout.gradientTo = {bl + 1, bh - 2};
    // Whole pixels keep the small arrow crisp.
    layout.arrowAt = {
        static_cast<float>(layout.buttonLeft + (layout.buttonWidth - kComboArrowWidth) / 2),
        static_cast<float>(2 + (layout.buttonHeight - kComboArrowHeight) / 2)};
    layout.text = {2, static_cast<float>((height - 12) / 2), w - 17, h - 4};
    return layout;
}

ComboColours ComboStyle(bool hover, bool focused, gfx::ColourRef accent) {
    using gfx::kBlackRef;
    using gfx::kWhiteRef;
    using gfx::MakeArgb;
    ComboColours colours{};
    colours.frame = hover || focused ? MakeArgb(accent, 200) : MakeArgb(kBlackRef, 80);
    colours.buttonOutline = hover ? MakeArgb(accent, 200) : MakeArgb(kBlackRef, 80);
    colours.fillFrom = hover ? MakeArgb(kWhiteRef, 100) : MakeArgb(accent, 30);
    colours.fillTo = hover ? MakeArgb(accent, 150) : MakeArgb(accent, 100);
    return colours;
}

}  // namespace yf
