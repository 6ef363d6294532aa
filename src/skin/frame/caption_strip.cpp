#include "skin/frame/caption_strip.h"

#include <algorithm>

namespace yf {

int RaiseCaptionHeight(int requested) {
    return std::max(requested, kMinCaptionHeight);
}

std::vector<CaptionButton> MakeCaptionButtons(const CaptionButtonChoice& choice) {
    std::vector<CaptionButton> buttons;
    auto add = [&buttons](CaptionButtonKind kind, int width, const char* tooltip) {
        CaptionButton button;
        button.kind = kind;
        button.width = width;
        button.tooltip = tooltip;
        buttons.push_back(std::move(button));
    };
    if (choice.help) add(CaptionButtonKind::Help, kButtonWidth, "帮助");
    if (choice.mainMenu) add(CaptionButtonKind::MainMenu, kButtonWidth, "主菜单");
    if (choice.minimize) add(CaptionButtonKind::Minimize, kButtonWidth, "最小化");
    if (choice.maximize) add(CaptionButtonKind::Maximize, kButtonWidth, "最大化");
    add(CaptionButtonKind::Close, kCloseButtonWidth, "关闭");
    return buttons;
}

void PlaceStrip(CaptionStrip& strip, int clientRight, int frameMargin) {
    int widths = 0;
    for (const CaptionButton& button : strip.buttons) widths += button.width;
    const int gaps = std::max(strip.Count() - 1, 0);
    strip.width = widths + gaps + 3;
    strip.height = kStripHeight;
    strip.left = clientRight - frameMargin - strip.width - 2;
    strip.top = 0;
}

void LayoutStrip(CaptionStrip& strip, int clientRight) {
    strip.left = clientRight - strip.width + 1;
    strip.height = kStripHeight;
    for (int i = 1; i <= strip.Count(); ++i) {
        CaptionButton& button = strip.Button(i);
        const int width =
            button.kind == CaptionButtonKind::Close ? kCloseLayoutWidth : kButtonWidth;
        button.rect = {static_cast<float>(strip.left + 2 + kButtonPitch * (i - 1)),
                       static_cast<float>(strip.top + 1), static_cast<float>(width),
                       static_cast<float>(kButtonHeight)};
    }
}

void AddCustomButton(CaptionStrip& strip, CaptionButton button) {
    strip.width += kButtonPitch;
    button.kind = CaptionButtonKind::Custom;
    button.width = kButtonWidth;
    button.height = kButtonHeight;
    strip.buttons.insert(strip.buttons.begin(), std::move(button));
}

int HitTestStrip(const CaptionStrip& strip, int x, int y) {
    if (x < strip.left || y < strip.top || y > strip.top + strip.height) return 0;
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    for (int i = 1; i <= strip.Count(); ++i) {
        const gfx::RectF& r = strip.Button(i).rect;
        if (fx > r.x && fx < r.x + r.width && fy > r.y && fy < r.y + r.height) return i;
    }
    return 0;
}

int MaximizeButtonIndex(const CaptionStrip& strip) {
    for (int i = 1; i <= strip.Count(); ++i) {
        if (strip.Button(i).kind == CaptionButtonKind::Maximize) return i;
    }
    return 0;
}

bool InHoverZone(const CaptionStrip& strip, int x, int y) {
    return x >= strip.left - 2 && x <= strip.left + strip.width && y >= 0 && y <= strip.height;
}

bool InPressZone(const CaptionStrip& strip, int x, int y) {
    return x >= strip.left && x <= strip.left + strip.width && y >= 3 && y <= strip.height;
}

PixelBox ButtonPaintBox(const CaptionStrip& strip, int index) {
    const CaptionButton& button = strip.Button(index);
    return {static_cast<int>(button.rect.x - 1), strip.top + 1, button.width, button.height};
}

int SeparatorX(const CaptionStrip& strip, int index) {
    return static_cast<int>(strip.Button(index).rect.x - 2);
}

GlyphTargets CaptionGlyphTargets(int buttonCount, bool hasMinimizeBox, bool hasMaximizeBox) {
    GlyphTargets targets;
    if (buttonCount <= 0) return targets;
    targets.close = buttonCount;
    if (hasMinimizeBox && hasMaximizeBox) {
        targets.maximize = buttonCount - 1;
        targets.minimize = buttonCount - 2;
    } else if (hasMinimizeBox) {
        targets.minimize = buttonCount - 1;
    } else if (hasMaximizeBox) {
        targets.maximize = buttonCount - 1;
    }
    if (targets.minimize < 1) targets.minimize = 0;
    if (targets.maximize < 1) targets.maximize = 0;
    return targets;
}

}  // namespace yf
