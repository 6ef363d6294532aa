#include "skin/frame/status_bar_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(StatusBarLayoutTest, BarLiesAboveTheBottomMargin) {
    EXPECT_EQ(StatusBarPlace(1180, 880, 3, 22), (PixelBox{3, 854, 1174, 22}));
    EXPECT_EQ(StatusBarPlace(300, 200, 3, 0).height, 0);
}

TEST(StatusBarLayoutTest, CellsTakeTheirWidthsAndTheRestGoesToTheFirstOpenOne) {
    const PixelBox bar = StatusBarPlace(600, 400, 3, 22);
    struct Case {
        std::vector<int> widths;
        std::vector<int> xs;
        std::vector<int> result;
    } cases[] = {
        {{140, 180, -1}, {3, 143, 323}, {140, 180, 274}},
        {{-1, -1}, {3, 597}, {594, 0}},  // the first fills the bar, the second gets 0
        {{-1, 100}, {3, 597}, {594, 100}},
        {{500, 200, -1}, {3, 503, 703}, {500, 200, 0}},  // past the end: never negative
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        const std::vector<PixelBox> cells = LayoutStatusCells(c.widths, bar, 600, 3);
        ASSERT_EQ(cells.size(), c.result.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].x, c.xs[i]) << i;
            EXPECT_EQ(cells[i].width, c.result[i]) << i;
            EXPECT_EQ(cells[i].y, bar.y);
            EXPECT_EQ(cells[i].height, 22);
        }
    }
}

TEST(StatusBarLayoutTest, PictureAndTextPlaces) {
    const CellContent withPicture = LayoutCellContent({3, 854, 140, 22}, 16, 16);
    EXPECT_EQ(withPicture.picture, (gfx::PointF{5, 857}));
    EXPECT_EQ(withPicture.text, (gfx::RectF{22, 859, 121, 22}));
    const CellContent plain = LayoutCellContent({143, 854, 180, 22}, 0, 0);
    EXPECT_EQ(plain.text, (gfx::RectF{146, 859, 177, 22}));
}

TEST(StatusBarLayoutTest, TextStyleDefaultsAndColour) {
    BarTextStyle style;
    ApplyBarTextStyle(style, {{}, true, 0x0000FF, {}, "黑体", 14});
    EXPECT_TRUE(style.invert);
    EXPECT_TRUE(style.glow);
    EXPECT_EQ(style.glowTextColour, 0x0000FFu);
    EXPECT_EQ(style.glowColour, 0xFFFFFFu);
    EXPECT_EQ(style.font, "黑体");
    EXPECT_EQ(style.size, 14);
    // Not given: the flags go back to their defaults, font and size stay.
    ApplyBarTextStyle(style, {false, {}, {}, {}, "", std::nullopt});
    EXPECT_FALSE(style.invert);
    EXPECT_FALSE(style.glow);
    EXPECT_EQ(style.font, "黑体");
    EXPECT_EQ(style.size, 14);
    ApplyBarTextStyle(style, {{}, {}, {}, {}, "", 0});
    EXPECT_EQ(style.size, 14);

    EXPECT_EQ(CellTextColour(BarTextStyle{}, 0xC0C0C0, 0x123456), 0x3F3F3Fu);
    BarTextStyle own;
    own.invert = false;
    EXPECT_EQ(CellTextColour(own, 0xC0C0C0, 0x123456), 0x123456u);
}

TEST(StatusBarLayoutTest, GlowIsShrunkByItsSizeAndLaidUpAndLeft) {
    const GlowPlan plan = PlanGlow({100, 50, 81, 22}, 4);
    EXPECT_EQ(plan.layerWidth, 81);
    EXPECT_EQ(plan.layerHeight, 22);
    EXPECT_EQ(plan.smallWidth, 20);
    EXPECT_EQ(plan.smallHeight, 5);
    EXPECT_EQ(plan.textAt, (gfx::PointF{2, 2}));
    EXPECT_EQ(plan.strokes[0], (gfx::PointF{1, 2.8f}));
    EXPECT_EQ(plan.strokes[3], (gfx::PointF{2, 3.8f}));
    EXPECT_EQ(plan.layerAt, (gfx::PointF{98, 47.6f}));
}

}  // namespace
}  // namespace yf
