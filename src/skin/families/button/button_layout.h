// Which buttons the skin takes over and how it draws them, as rules without windows: the style
// tests, the item state bits the painters read, the look a push button or a picture button
// takes in a state, and where the glass button's picture and caption and the check box's and
// radio button's marks go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gfx/figure.h"

namespace yf {

// The painter of a button record, numbered as the records keep it.
enum class ButtonKind { Push = 0, Glass = 1, Picture = 3, Radio = 4, CheckBox = 5 };

// Item state bits (ODS_*), as WM_DRAWITEM brings them or the hover code builds them.
constexpr std::uint32_t kItemPressed = 0x1;
constexpr std::uint32_t kItemDisabled = 0x4;
constexpr std::uint32_t kItemFocus = 0x10;
constexpr std::uint32_t kItemHot = 0x40;

constexpr std::uint32_t kOwnerDrawStyle = 0xB;  // BS_OWNERDRAW

// Push buttons (BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON): bits 0x2 and 0x4 clear and
// not both 0x1 and 0x8.
bool IsPushButtonStyle(std::uint32_t style);
// BS_CHECKBOX, BS_AUTOCHECKBOX: bit 0x2 set, 0x4 clear.
bool IsCheckBoxStyle(std::uint32_t style);
// BS_AUTORADIOBUTTON: the low four bits are 9.
bool IsAutoRadioStyle(std::uint32_t style);
// All bits of BS_OWNERDRAW: such a button paints itself and is left alone.
bool IsOwnerDrawStyle(std::uint32_t style);
// The painter a button of this style is taken over with; none for group boxes, three-state
// boxes, plain radio buttons and owner-drawn buttons.
std::optional<ButtonKind> KindForStyle(std::uint32_t style);

struct ButtonFont {
    std::string name;
    int size = 0;  // em size, truncated
    int style = 0;
    bool operator==(const ButtonFont&) const = default;
};
constexpr int kDefaultButtonFontSize = 12;
// A font without a name or of size 0 (or less) is drawn as 宋体 12 in its style.
ButtonFont WithDefaultFont(ButtonFont font);

// A push button's look in an item state: hot wins over focus; a disabled button is grey, with
// neither outline colour nor pressed look.
struct PushButtonLook {
    enum class Outline { Plain, Focus, Hot } outline = Outline::Plain;
    bool disabled = false;
    bool pressed = false;
    bool operator==(const PushButtonLook&) const = default;
};
PushButtonLook ChoosePushLook(std::uint32_t state);

// The rounded body (corner 5) and the gloss cap of a push button W x H at (left, top).
struct PushButtonShape {
    gfx::RectF body;
    gfx::RectF pressed;  // the pressed fill, 2 pixels in
    gfx::RectF gloss;    // the top cap: x, y, width, height of its straight sides
    gfx::RectF caption;  // layout rectangle of the centred caption
};
PushButtonShape LayoutPushButton(int left, int top, int width, int height);

// The glass button (a picture button of one picture): with `pictureLeft` the picture stands at
// the left of the caption, else above it.
struct GlassLayout {
    enum class Align { Centre, LeftMiddle, CentreTop };
    bool drawPicture = false;
    gfx::RectF picture;
    gfx::RectF caption;
    Align align = Align::Centre;
    bool operator==(const GlassLayout&) const = default;
};
GlassLayout LayoutGlassButton(int width, int height, bool pictureLeft, bool hasPicture,
                              bool hasText, int fontSize);

// Which picture a picture button of four looks shows in a state, and which frame is drawn
// around the normal picture when the state's own picture is missing.
enum class PictureFace { Normal, Hover, Pressed, Disabled };
struct PictureButtonLook {
    enum class Frame { None, Disabled, Hot, Pressed };
    PictureFace face = PictureFace::Normal;
    Frame frame = Frame::None;
    bool operator==(const PictureButtonLook&) const = default;
};
PictureButtonLook ChoosePictureLook(std::uint32_t state, bool hasHover, bool hasPressed,
                                    bool hasDisabled);

// The marks of a check box (the 13 x 13 glyphs) or an automatic radio button (drawn circles)
// in a button W x H at (left, top), and where its caption goes.
constexpr int kCheckGlyphSize = 13;
struct CheckMarkLayout {
    gfx::RectF box;    // check box: the glyph square; radio: the 12 x 12 ring
    gfx::RectF inner;  // radio: the white 9 x 9 disc
    gfx::RectF dot;    // radio: the 6 x 6 dot of the checked state
    gfx::RectF caption;
    bool operator==(const CheckMarkLayout&) const = default;
};
CheckMarkLayout LayoutCheckMark(int left, int top, int width, int height, bool radio);

}  // namespace yf
