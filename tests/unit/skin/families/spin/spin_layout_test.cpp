#include "skin/families/spin/spin_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(SpinLayoutTest, HitPartSplitsAtTheIntegerMiddleForOddAndEvenSizes) {
    struct Case {
        int width, height;
        bool horizontal;
        int x, y;
        int part;
    } cases[] = {
        {19, 24, false, 5, 12, 0},  // even height: the middle row belongs to the upper half
        {19, 24, false, 5, 13, 1},
        {19, 25, false, 5, 12, 0},  // odd height: 25 / 2 = 12
        {19, 25, false, 5, 13, 1},
        {19, 25, false, 5, 0, 0},
        {20, 19, true, 10, 5, 0},  // even width
        {20, 19, true, 11, 5, 1},
        {21, 19, true, 10, 5, 0},  // odd width: 21 / 2 = 10
        {21, 19, true, 11, 5, 1},
        {21, 19, true, 11, 500, 1},  // only x counts for a horizontal control
        {19, 24, false, 500, 3, 0},  // only y for a vertical one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpinHitPart(c.width, c.height, c.horizontal, c.x, c.y), c.part)
            << c.width << "x" << c.height << (c.horizontal ? " horizontal at " : " at ") << c.x
            << "," << c.y;
    }
}

TEST(SpinLayoutTest, VerticalHalvesGradientsAndGlyphs) {
    const SpinLayout layout = LayoutSpin(19, 24, false, 7, 4);
    EXPECT_EQ(layout.halfWidth, 19);
    EXPECT_EQ(layout.halfHeight, 12);
    EXPECT_EQ(layout.plate, (gfx::RectF{0, 0, 18, 23}));
    const SpinHalf& up = layout.halves[0];
    const SpinHalf& down = layout.halves[1];
    EXPECT_EQ(up.outline, (gfx::RectF{0, 0, 18, 11}));
    EXPECT_EQ(down.outline, (gfx::RectF{0, 12, 18, 11}));
    EXPECT_EQ(up.gradientFrom, (gfx::PointF{0, 0}));
    EXPECT_EQ(up.gradientTo, (gfx::PointF{0, 11}));
    EXPECT_EQ(down.gradientFrom, (gfx::PointF{0, 12}));
    EXPECT_EQ(down.gradientTo, (gfx::PointF{0, 24}));
    // Centred without rounding: (19 - 7) / 2 = 6, (12 - 4) / 2 = 4.
    EXPECT_EQ(up.glyphAt, (gfx::PointF{6, 4}));
    EXPECT_EQ(down.glyphAt, (gfx::PointF{6, 16}));
    // An even width gives half-pixel glyph places.
    EXPECT_EQ(LayoutSpin(20, 24, false, 7, 4).halves[0].glyphAt.x, 6.5f);
}

TEST(SpinLayoutTest, OddHorizontalControlLeavesItsLastColumnToThePlate) {
    const SpinLayout layout = LayoutSpin(25, 19, true, 4, 7);
    EXPECT_EQ(layout.halfWidth, 12);
    EXPECT_EQ(layout.halfHeight, 19);
    const SpinHalf& left = layout.halves[0];
    const SpinHalf& right = layout.halves[1];
    EXPECT_EQ(left.outline, (gfx::RectF{0, 0, 11, 18}));
    EXPECT_EQ(right.outline, (gfx::RectF{12, 0, 11, 18}));
    EXPECT_LT(right.outline.x + right.outline.width, layout.plate.x + layout.plate.width);
    EXPECT_EQ(left.gradientFrom, (gfx::PointF{0, 0}));
    EXPECT_EQ(left.gradientTo, (gfx::PointF{11, 0}));
    EXPECT_EQ(right.gradientFrom, (gfx::PointF{11, 0}));
    EXPECT_EQ(right.gradientTo, (gfx::PointF{25, 0}));
    EXPECT_EQ(left.glyphAt, (gfx::PointF{4, 6}));
    EXPECT_EQ(right.glyphAt, (gfx::PointF{16, 6}));
}

TEST(SpinLayoutTest, HotHalfNeedsHoverAndFollowsTheMouse) {
    const SpinLayout vertical = LayoutSpin(19, 24, false, 7, 4);
    EXPECT_EQ(SpinHotHalf(vertical, false, false, 5, 20), -1);
    EXPECT_EQ(SpinHotHalf(vertical, false, true, 5, 12), 0);
    EXPECT_EQ(SpinHotHalf(vertical, false, true, 5, 13), 1);
    const SpinLayout horizontal = LayoutSpin(25, 19, true, 4, 7);
    EXPECT_EQ(SpinHotHalf(horizontal, true, true, 12, 3), 0);
    EXPECT_EQ(SpinHotHalf(horizontal, true, true, 13, 3), 1);
}

TEST(SpinLayoutTest, StateTablePicksPenAndGradientPerHalf) {
    constexpr gfx::ColourRef accent = 0x2050A0;
    using gfx::MakeArgb;
    const gfx::Argb white = gfx::kWhiteRef;
    const gfx::Argb black = gfx::kBlackRef;
    struct Case {
        bool hot, pressed, upOfVertical;
        SpinHalfColours expected;
    } cases[] = {
        {true, false, true, {MakeArgb(accent, 200), MakeArgb(white, 100), MakeArgb(accent, 150)}},
        {true, false, false, {MakeArgb(accent, 200), MakeArgb(white, 100), MakeArgb(accent, 150)}},
        {true, true, false, {MakeArgb(accent, 200), MakeArgb(accent, 100), MakeArgb(white, 150)}},
        {false, false, true, {MakeArgb(black, 100), MakeArgb(white, 60), MakeArgb(accent, 100)}},
        {false, false, false, {MakeArgb(black, 100), MakeArgb(white, 20), MakeArgb(accent, 100)}},
        // Pressed without hover shows no highlight.
        {false, true, true, {MakeArgb(black, 100), MakeArgb(white, 60), MakeArgb(accent, 100)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpinHalfStyle(c.hot, c.pressed, c.upOfVertical, accent), c.expected)
            << c.hot << c.pressed << c.upOfVertical;
    }
}

}  // namespace
}  // namespace yf
