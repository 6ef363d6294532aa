#include "skin/families/container/container_layout.h"

#include "skin/backdrop/see_through.h"

namespace yf {
namespace {

constexpr std::uint32_t kGroupBit = 0x4;
constexpr std::uint32_t kAlignLeft = 0x100;
constexpr std::uint32_t kAlignRight = 0x200;

}  // namespace

bool IsGroupBoxStyle(std::string_view className, std::uint32_t style) {
    return SameClass(className, "Button") && (style & kGroupBit) != 0;
}

RoundRect ContainerPanel(bool groupBox, int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    if (groupBox) return {{0, kGroupFrameTop, w, h - 6}, kPanelCorner};
    return {{0, 0, w, h}, 0};
}

DoubleFrame GroupBoxFrame(int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    return {{{0, kGroupFrameTop, w - 1, h - 6}, 5}, {{1, kGroupFrameTop + 1, w - 3, h - 8}, 3}};
}

DoubleFrame ContainerBorder(int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    return {{{0, 0, w - 1, h - 1}, 5}, {{1, 1, w - 3, h - 3}, 3}};
}

gfx::RectF GroupCaptionRect(int width, std::uint32_t style, int textWidth, int fontSize) {
    int x = 0;
    if ((style & kAlignLeft) && (style & kAlignRight)) {
        x = (width - textWidth) / 2;
    } else if (style & kAlignLeft) {
        x = kGroupCaptionIndent;
    } else {
        x = width - textWidth - kGroupCaptionIndent;
    }
    return {static_cast<float>(x), 1, static_cast<float>(textWidth),
            static_cast<float>(fontSize + 3)};
}

}  // namespace yf
