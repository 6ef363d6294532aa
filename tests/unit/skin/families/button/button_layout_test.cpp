#include "skin/families/button/button_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(ButtonLayoutTest, StyleTestsPickTheButtonsTheSkinTakesOver) {
    struct Case {
        std::uint32_t style;
        std::optional<ButtonKind> kind;
    } cases[] = {
        {0x0, ButtonKind::Push},         // BS_PUSHBUTTON
        {0x1, ButtonKind::Push},         // BS_DEFPUSHBUTTON
        {0x8, ButtonKind::Push},         // BS_USERBUTTON
        {0x2, ButtonKind::CheckBox},     // BS_CHECKBOX
        {0x3, ButtonKind::CheckBox},     // BS_AUTOCHECKBOX
        {0x1003, ButtonKind::CheckBox},  // push-like, still a check box by its bits
        {0x9, ButtonKind::Radio},        // BS_AUTORADIOBUTTON (0x1 and 0x8: not a push button)
        {0x4, std::nullopt},             // BS_RADIOBUTTON
        {0x5, std::nullopt},             // BS_3STATE
        {0x6, std::nullopt},             // BS_AUTO3STATE
        {0x7, std::nullopt},             // BS_GROUPBOX
        {0xB, std::nullopt},             // BS_OWNERDRAW
        {0x5000000B, std::nullopt},      // owner-drawn child, visible
        {0x50010001, ButtonKind::Push},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KindForStyle(c.style), c.kind) << std::hex << c.style;
    }
    EXPECT_TRUE(IsOwnerDrawStyle(0xB));
    EXPECT_FALSE(IsOwnerDrawStyle(0x9));
    EXPECT_FALSE(IsPushButtonStyle(0x9));
    EXPECT_TRUE(IsAutoRadioStyle(0x10009));
}

TEST(ButtonLayoutTest, FontsWithoutNameOrSizeBecomeSongTiTwelve) {
    EXPECT_EQ(WithDefaultFont({"", 0, 1}), (ButtonFont{"宋体", 12, 1}));
    EXPECT_EQ(WithDefaultFont({"Tahoma", 0, 0}), (ButtonFont{"宋体", 12, 0}));
    EXPECT_EQ(WithDefaultFont({"", 9, 0}), (ButtonFont{"宋体", 12, 0}));
    EXPECT_EQ(WithDefaultFont({"Tahoma", 11, 2}), (ButtonFont{"Tahoma", 11, 2}));
}

TEST(ButtonLayoutTest, PushLookInEachItemState) {
    using Outline = PushButtonLook::Outline;
    struct Case {
        std::uint32_t state;
        PushButtonLook look;
    } cases[] = {
        {0, {Outline::Plain, false, false}},
        {kItemFocus, {Outline::Focus, false, false}},
        {kItemHot | kItemFocus, {Outline::Hot, false, false}},  // hot wins over focus
        {kItemPressed | kItemHot, {Outline::Hot, false, true}},
        {kItemPressed, {Outline::Plain, false, true}},
        {kItemDisabled | kItemHot | kItemPressed, {Outline::Plain, true, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(ChoosePushLook(c.state), c.look) << std::hex << c.state;
}

TEST(ButtonLayoutTest, PushShapeLeavesTheRightAndBottomPixelInside) {
    const PushButtonShape shape = LayoutPushButton(0, 0, 100, 29);
    EXPECT_EQ(shape.body, (gfx::RectF{0, 0, 99, 28}));
    EXPECT_EQ(shape.pressed, (gfx::RectF{2, 2, 97, 26}));
    EXPECT_EQ(shape.gloss, (gfx::RectF{0, 0, 99, 14}));  // half the height, fraction dropped
    EXPECT_EQ(shape.caption, (gfx::RectF{0, 2, 100, 29}));
}

TEST(ButtonLayoutTest, GlassPictureAndCaptionForBothValues) {
    using Align = GlassLayout::Align;
    // Picture at the left: s = trunc(40 * 0.8) = 32.
    EXPECT_EQ(LayoutGlassButton(120, 40, true, true, true, 12),
              (GlassLayout{true, {3, 4, 32, 32}, {37, 2, 81, 40}, Align::LeftMiddle}));
    // Without text the picture is centred.
    EXPECT_EQ(LayoutGlassButton(120, 40, true, true, false, 12).picture,
              (gfx::RectF{44, 4, 32, 32}));
    // Without a picture the caption is centred both ways.
    EXPECT_EQ(LayoutGlassButton(120, 40, true, false, true, 12),
              (GlassLayout{false, {}, {0, 0, 120, 40}, Align::Centre}));
    // Picture above: s = trunc((60 - 12 - 2) * 0.8) = 36, top = 60 * 0.05 = 3.
    EXPECT_EQ(LayoutGlassButton(100, 60, false, true, true, 12),
              (GlassLayout{true, {32, 3, 36, 36}, {0, 41, 100, 24}, Align::CentreTop}));
    // Too low for a picture above its caption.
    EXPECT_FALSE(LayoutGlassButton(100, 14, false, true, true, 12).drawPicture);
}

TEST(ButtonLayoutTest, PictureButtonFallsBackToAFramedNormalPicture) {
    using Frame = PictureButtonLook::Frame;
    struct Case {
        std::uint32_t state;
        bool hover, pressed, disabled;
        PictureButtonLook look;
    } cases[] = {
        {kItemDisabled, true, true, true, {PictureFace::Disabled, Frame::None}},
        {kItemDisabled | kItemHot, true, true, false, {PictureFace::Normal, Frame::Disabled}},
        {kItemHot | kItemPressed, true, true, true, {PictureFace::Hover, Frame::None}},
        {kItemHot, false, true, true, {PictureFace::Normal, Frame::Hot}},
        {kItemPressed, true, true, true, {PictureFace::Pressed, Frame::None}},
        {kItemPressed, true, false, true, {PictureFace::Normal, Frame::Pressed}},
        {kItemFocus, false, false, false, {PictureFace::Normal, Frame::None}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChoosePictureLook(c.state, c.hover, c.pressed, c.disabled), c.look)
            << std::hex << c.state << c.hover << c.pressed << c.disabled;
    }
}

TEST(ButtonLayoutTest, CheckAndRadioMarksSitMiddleLeft) {
    const CheckMarkLayout check = LayoutCheckMark(0, 0, 160, 20, false);
    EXPECT_EQ(check.box, (gfx::RectF{0, 3, 13, 13}));
    EXPECT_EQ(check.caption, (gfx::RectF{17, 0, 141, 20}));
    const CheckMarkLayout radio = LayoutCheckMark(0, 0, 160, 21, true);
    EXPECT_EQ(radio.box, (gfx::RectF{2, 4, 12, 12}));
    EXPECT_EQ(radio.inner, (gfx::RectF{3.5f, 5.5f, 9, 9}));
    EXPECT_EQ(radio.dot, (gfx::RectF{5, 7, 6, 6}));
    EXPECT_EQ(radio.caption.x, 18);
}

}  // namespace
}  // namespace yf
