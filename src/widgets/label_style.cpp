#include "widgets/label_style.h"

#include <algorithm>

namespace yf {
namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
}  // namespace

LabelStyle Clamped(LabelStyle style) {
    style.effect = std::clamp(style.effect, 0, 3);
    style.horizontalAlign = std::clamp(style.horizontalAlign, 0, 2);
    style.verticalAlign = std::clamp(style.verticalAlign, 0, 2);
    return style;
}

std::vector<TextCopy> TextCopies(const LabelStyle& style) {
    switch (Clamped(style).effect) {
        case 1: return {{1, 1, kWhite}, {0, 0, style.colour}};
        case 2: return {{0, 0, kWhite}, {1, 1, style.colour}};
        case 3: return {{2, 2, kBlack}, {0, 0, style.colour}};
        default: return {{0, 0, style.colour}};
    }
}

}  // namespace yf
