#include "skin/frame/caption_strip.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

using Kind = CaptionButtonKind;

CaptionStrip StripFor(const CaptionButtonChoice& choice, int clientRight) {
    CaptionStrip strip;
    strip.buttons = MakeCaptionButtons(choice);
    PlaceStrip(strip, clientRight, 3);
    return strip;
}

TEST(CaptionHeightTest, RaisedToTwentyFiveWhenSmaller) {
    const struct { int given, used; } cases[] = {{0, 25}, {10, 25}, {24, 25}, {25, 25}, {30, 30}};
    for (const auto& c : cases) EXPECT_EQ(RaiseCaptionHeight(c.given), c.used) << c.given;
}

TEST(CaptionButtonsTest, ButtonsComeInStripOrderAndCloseIsAlwaysThere) {
    const auto all = MakeCaptionButtons({true, true, true, true});
    ASSERT_EQ(all.size(), 5u);
    const Kind order[] = {Kind::Help, Kind::MainMenu, Kind::Minimize, Kind::Maximize, Kind::Close};
    const char* tips[] = {"帮助", "主菜单", "最小化", "最大化", "关闭"};
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].kind, order[i]);
        EXPECT_EQ(all[i].tooltip, tips[i]);
        EXPECT_EQ(all[i].height, 18);
        EXPECT_EQ(all[i].width, all[i].kind == Kind::Close ? 38 : 26);
    }
    const auto none = MakeCaptionButtons({});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].kind, Kind::Close);
}

TEST(CaptionStripTest, ThreeButtonsMakeAStrip95WideAt100FromTheRight) {
    const CaptionStrip strip = StripFor({false, false, true, true}, 400);
    EXPECT_EQ(strip.width, 26 + 26 + 38 + 2 + 3);
    EXPECT_EQ(strip.left, 400 - 100);
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.height, 22);
}

TEST(CaptionStripTest, LayoutEndsTheStripAtTheRightEdgeAndSpacesButtons27Apart) {
    CaptionStrip strip = StripFor({false, false, true, true}, 371);
    LayoutStrip(strip, 371);
    EXPECT_EQ(strip.left, 371 - 95 + 1);
    const gfx::RectF expected[] = {{279, 1, 26, 18}, {306, 1, 26, 18}, {333, 1, 40, 18}};
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(strip.Button(i).rect, expected[i - 1]) << i;
    EXPECT_EQ(ButtonPaintBox(strip, 3), (PixelBox{332, 1, 38, 18}));
    EXPECT_EQ(SeparatorX(strip, 2), 304);
}

TEST(CaptionStripTest, HitTestIsStrictlyInsideAButton) {
    CaptionStrip strip = StripFor({false, false, true, false}, 371);
    LayoutStrip(strip, 371);  // minimize at x 306..332, close at 333..373, y 1..19
    const struct {
        int x, y, expected;
    } cases[] = {
        {320, 10, 1}, {306, 10, 0}, {307, 10, 1}, {320, 1, 0},  {320, 2, 1},  {320, 19, 0},
        {332, 10, 0}, {333, 10, 0}, {334, 10, 2}, {370, 18, 2}, {250, 10, 0}, {320, 30, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HitTestStrip(strip, c.x, c.y), c.expected) << c.x << "," << c.y;
    }
}

TEST(CaptionStripTest, HitTestOutsideTheStripIgnoresTheButtons) {
    CaptionStrip strip = StripFor({false, false, true, false}, 371);
    LayoutStrip(strip, 371);
    // A button rectangle moved out of the strip is still not hit from outside it.
    strip.Button(1).rect = {0, 0, 50, 50};
    EXPECT_EQ(HitTestStrip(strip, 10, 10), 0);
}

TEST(CaptionStripTest, MaximizeIndexAndZones) {
    CaptionStrip strip = StripFor({true, false, true, true}, 500);
    LayoutStrip(strip, 500);
    EXPECT_EQ(MaximizeButtonIndex(strip), 3);
    EXPECT_EQ(MaximizeButtonIndex(StripFor({}, 500)), 0);
    EXPECT_TRUE(InHoverZone(strip, strip.left - 2, 0));
    EXPECT_FALSE(InHoverZone(strip, strip.left - 3, 0));
    EXPECT_TRUE(InHoverZone(strip, strip.left + strip.width, 22));
    EXPECT_FALSE(InHoverZone(strip, strip.left + 5, 23));
    EXPECT_FALSE(InPressZone(strip, strip.left + 5, 2));
    EXPECT_TRUE(InPressZone(strip, strip.left + 5, 3));
    EXPECT_FALSE(InPressZone(strip, strip.left - 1, 10));
}

TEST(CaptionStripTest, CustomButtonGoesInFrontAndTheStripGrowsLeft) {
    CaptionStrip strip = StripFor({false, false, true, false}, 371);
    LayoutStrip(strip, 371);
    const int oldLeft = strip.left;
    const float closeX = strip.Button(2).rect.x;
    CaptionButton custom;
    custom.tooltip = "设置";
    AddCustomButton(strip, custom);
    LayoutStrip(strip, 371);
    ASSERT_EQ(strip.Count(), 3);
    EXPECT_EQ(strip.Button(1).kind, Kind::Custom);
    EXPECT_EQ(strip.left, oldLeft - 27);
    EXPECT_EQ(strip.Button(3).rect.x, closeX);
    EXPECT_LT(strip.Button(1).rect.x, strip.Button(2).rect.x);
}

TEST(CaptionGlyphTargetsTest, GlyphsGoToTheButtonsTheStyleCreated) {
    const struct {
        int count;
        bool min, max;
        GlyphTargets expected;
    } cases[] = {
        {3, true, true, {1, 2, 3}},   {2, true, false, {1, 0, 2}}, {2, false, true, {0, 1, 2}},
        {1, false, false, {0, 0, 1}}, {5, true, true, {3, 4, 5}},  {0, true, true, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const GlyphTargets t = CaptionGlyphTargets(c.count, c.min, c.max);
        EXPECT_EQ(t.minimize, c.expected.minimize) << c.count << c.min << c.max;
        EXPECT_EQ(t.maximize, c.expected.maximize) << c.count << c.min << c.max;
        EXPECT_EQ(t.close, c.expected.close) << c.count << c.min << c.max;
    }
}

}  // namespace
}  // namespace yf
