#include "skin/families/combo/combo_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

constexpr std::uint32_t kSimple = 0x1, kDropDown = 0x2, kDropDownList = 0x3;
constexpr std::uint32_t kOwnerDrawFixed = 0x10;

TEST(ComboLayoutTest, DropDownListAndDropDownDifferInButtonWidth) {
    const ComboLayout list = LayoutCombo(128, 20, kDropDownList);
    EXPECT_TRUE(list.hasButton);
    EXPECT_TRUE(list.dropList);
    EXPECT_TRUE(list.DrawsText());
    EXPECT_EQ(list.buttonWidth, 17);
    EXPECT_EQ(list.buttonLeft, 109);
    EXPECT_EQ(list.buttonHeight, 16);
    EXPECT_EQ(list.buttonOutline, (gfx::RectF{109, 2, 16, 15}));
    EXPECT_EQ(list.buttonFill, (gfx::RectF{110, 3, 15, 14}));
    EXPECT_EQ(list.gradientFrom, (gfx::PointF{110, 2}));
    EXPECT_EQ(list.gradientTo, (gfx::PointF{110, 14}));
    EXPECT_EQ(list.arrowAt, (gfx::PointF{114, 8}));
    EXPECT_EQ(list.text, (gfx::RectF{2, 4, 111, 16}));
    EXPECT_EQ(list.frame, (gfx::RectF{0, 0, 127, 19}));

    const ComboLayout dropDown = LayoutCombo(128, 21, kDropDown);
    EXPECT_TRUE(dropDown.hasButton);
    EXPECT_FALSE(dropDown.dropList);
    EXPECT_FALSE(dropDown.DrawsText());  // its edit shows the text
    EXPECT_EQ(dropDown.buttonWidth, 18);
    EXPECT_EQ(dropDown.buttonLeft, 108);
    EXPECT_EQ(dropDown.buttonHeight, 17);
    // Whole pixels: 108 + (18 - 7) / 2 and 2 + (17 - 4) / 2.
    EXPECT_EQ(dropDown.arrowAt, (gfx::PointF{113, 8}));
}

TEST(ComboLayoutTest, SimpleBoxHasNoButtonAndOwnerDrawnListNoText) {
    const ComboLayout simple = LayoutCombo(100, 60, kSimple);
    EXPECT_FALSE(simple.hasButton);
    EXPECT_FALSE(simple.DrawsText());
    const ComboLayout owned = LayoutCombo(128, 20, kDropDownList | kOwnerDrawFixed);
    EXPECT_TRUE(owned.hasButton);
    EXPECT_FALSE(owned.DrawsText());
}

TEST(ComboLayoutTest, FrameLightsOnHoverOrFocusButtonOnlyOnHover) {
    constexpr gfx::ColourRef accent = 0x00C0FF;
    using gfx::MakeArgb;
    const gfx::Argb quiet = MakeArgb(gfx::kBlackRef, 80);
    const gfx::Argb lit = MakeArgb(accent, 200);
    struct Case {
        bool hover, focused;
        ComboColours expected;
    } cases[] = {
        {false, false, {quiet, quiet, MakeArgb(accent, 30), MakeArgb(accent, 100)}},
        {false, true, {lit, quiet, MakeArgb(accent, 30), MakeArgb(accent, 100)}},
        {true, false, {lit, lit, MakeArgb(gfx::kWhiteRef, 100), MakeArgb(accent, 150)}},
        {true, true, {lit, lit, MakeArgb(gfx::kWhiteRef, 100), MakeArgb(accent, 150)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComboStyle(c.hover, c.focused, accent), c.expected) << c.hover << c.focused;
    }
}

}  // namespace
}  // namespace yf
