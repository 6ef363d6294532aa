#include "skin/families/button/button_layout.h"

#include <algorithm>
#include <cmath>

namespace yf {
namespace {

constexpr std::uint32_t kTypeBits = 0xF;
constexpr std::uint32_t kAutoRadio = 0x9;
constexpr char kDefaultFontName[] = "宋体";
constexpr float kPictureShare = 0.8f;
constexpr float kPictureTopShare = 0.05f;

float F(int value) {
    return static_cast<float>(value);
}

}  // namespace

bool IsPushButtonStyle(std::uint32_t style) {
    return !(style & 0x2) && !(style & 0x4) && !((style & 0x1) && (style & 0x8));
}

bool IsCheckBoxStyle(std::uint32_t style) {
    return (style & 0x2) && !(style & 0x4);
}

bool IsAutoRadioStyle(std::uint32_t style) {
    return (style & kTypeBits) == kAutoRadio;
}

bool IsOwnerDrawStyle(std::uint32_t style) {
    return (style & kOwnerDrawStyle) == kOwnerDrawStyle;
}

std::optional<ButtonKind> KindForStyle(std::uint32_t style) {
    if (IsOwnerDrawStyle(style)) return std::nullopt;
    if (IsPushButtonStyle(style)) return ButtonKind::Push;
    if (IsCheckBoxStyle(style)) return ButtonKind::CheckBox;
    if (IsAutoRadioStyle(style)) return ButtonKind::Radio;
    return std::nullopt;
}

ButtonFont WithDefaultFont(ButtonFont font) {
    if (font.name.empty() || font.size <= 0) {
        font.name = kDefaultFontName;
        font.size = kDefaultButtonFontSize;
    }
    return font;
}

PushButtonLook ChoosePushLook(std::uint32_t state) {
    PushButtonLook look;
    if (state & kItemDisabled) {
        look.disabled = true;
        return look;
    }
    if (state & kItemHot) {
        look.outline = PushButtonLook::Outline::Hot;
    } else if (state & kItemFocus) {
        look.outline = PushButtonLook::Outline::Focus;
    }
    look.pressed = (state & kItemPressed) != 0;
    return look;
}

PushButtonShape LayoutPushButton(int left, int top, int width, int height) {
    PushButtonShape shape;
    shape.body = {F(left), F(top), F(width - 1), F(height - 1)};
    shape.pressed = {F(left + 2), F(top + 2), F(width - 3), F(height - 3)};
    shape.gloss = {F(left), F(top), F(width - 1), F(height / 2)};
    shape.caption = {0, 2, F(width), F(height)};
    return shape;
}

GlassLayout LayoutGlassButton(int width, int height, bool pictureLeft, bool hasPicture,
                              bool hasText, int fontSize) {
    GlassLayout layout;
    const float w = F(width);
    const float h = F(height);
    if (pictureLeft) {
        if (!hasPicture) {
            layout.caption = {0, 0, w, h};
            layout.align = GlassLayout::Align::Centre;
            return layout;
        }
        const float s = std::trunc(h * kPictureShare);
        layout.drawPicture = s > 0;
        layout.picture =
            hasText ? gfx::RectF{3, (h - s) / 2, s, s} : gfx::RectF{(w - s) / 2, (h - s) / 2, s, s};
        layout.caption = {s + 5, 2, w - s - 7, h};
        layout.align = GlassLayout::Align::LeftMiddle;
        return layout;
    }
    // The picture above the caption; a button too low for one shows the caption alone.
    const float s = std::max(0.0f, std::trunc((h - F(fontSize) - 2) * kPictureShare));
    const float top = h * kPictureTopShare;
    layout.drawPicture = hasPicture && s > 0;
    layout.picture = {(w - s) / 2, top, s, s};
    layout.caption = {0, s + top + 2, w, h - s};
    layout.align = GlassLayout::Align::CentreTop;
    return layout;
}

PictureButtonLook ChoosePictureLook(std::uint32_t state, bool hasHover, bool hasPressed,
                                    bool hasDisabled) {
    using Frame = PictureButtonLook::Frame;
    if (state & kItemDisabled) {
        return hasDisabled ? PictureButtonLook{PictureFace::Disabled, Frame::None}
                           : PictureButtonLook{PictureFace::Normal, Frame::Disabled};
    }
    if (state & kItemHot) {
        return hasHover ? PictureButtonLook{PictureFace::Hover, Frame::None}
                        : PictureButtonLook{PictureFace::Normal, Frame::Hot};
    }
    if (state & kItemPressed) {
        return hasPressed ? PictureButtonLook{PictureFace::Pressed, Frame::None}
                          : PictureButtonLook{PictureFace::Normal, Frame::Pressed};
    }
    return {};
}

CheckMarkLayout LayoutCheckMark(int left, int top, int width, int height, bool radio) {
    CheckMarkLayout layout;
    if (radio) {
        constexpr int kRing = 12;
        const float x = F(left + 2);
        const float y = F(top + (height - kRing) / 2);
        layout.box = {x, y, kRing, kRing};
        layout.inner = {x + 1.5f, y + 1.5f, 9, 9};
        layout.dot = {x + 3, y + 3, 6, 6};
        layout.caption = {F(left + 18), F(top), F(width - 20), F(height)};
        return layout;
    }
    layout.box = {F(left), F(top + (height - kCheckGlyphSize) / 2), F(kCheckGlyphSize),
                  F(kCheckGlyphSize)};
    layout.caption = {F(left + 17), F(top), F(width - 19), F(height)};
    return layout;
}

}  // namespace yf
