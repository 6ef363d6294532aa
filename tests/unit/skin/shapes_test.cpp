#include "skin/shapes.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

using gfx::ArcSegment;
using gfx::LineSegment;

const ArcSegment& ArcAt(const gfx::Figure& figure, std::size_t i) {
    return std::get<ArcSegment>(figure.segments.at(i));
}

TEST(RoundRectFigureTest, FourArcsClockwiseFromTheTopRightAndClosed) {
    const gfx::Figure figure = RoundRectFigure(10, 20, 100, 50, 8);
    ASSERT_EQ(figure.segments.size(), 4u);
    EXPECT_TRUE(figure.closed);
    EXPECT_EQ(ArcAt(figure, 0), (ArcSegment{{102, 20, 8, 8}, 270, 90}));
    EXPECT_EQ(ArcAt(figure, 1), (ArcSegment{{101, 61, 9, 9}, 0, 90}));
    EXPECT_EQ(ArcAt(figure, 2), (ArcSegment{{10, 62, 8, 8}, 90, 90}));
    EXPECT_EQ(ArcAt(figure, 3), (ArcSegment{{10, 20, 8, 8}, 180, 90}));
}

TEST(RoundRectFigureTest, RadiusIsClampedToOneToHundred) {
    const struct {
        float given;
        float used;
    } cases[] = {{0, 1}, {-5, 1}, {0.5f, 1}, {1, 1}, {4, 4}, {100, 100}, {250, 100}};
    for (const auto& c : cases) {
        const gfx::Figure figure = RoundRectFigure(0, 0, 300, 300, c.given);
        EXPECT_EQ(ArcAt(figure, 0).bounds.width, c.used) << c.given;
        EXPECT_EQ(ArcAt(figure, 1).bounds.width, c.used + 1) << c.given;
        EXPECT_EQ(ArcAt(figure, 0).bounds.x, 300 - c.used) << c.given;
    }
}

TEST(TopRoundRectFigureTest, OnlyTheTopRightCornerIsRoundAndTheFigureIsOpen) {
    const gfx::Figure figure = TopRoundRectFigure(5, 1, 38, 18, 5);
    EXPECT_FALSE(figure.closed);
    ASSERT_EQ(figure.segments.size(), 4u);
    EXPECT_EQ(std::get<LineSegment>(figure.segments[0]), (LineSegment{{5, 19}, {5, 1}}));
    EXPECT_EQ(std::get<LineSegment>(figure.segments[1]), (LineSegment{{5, 1}, {38, 1}}));
    EXPECT_EQ(ArcAt(figure, 2), (ArcSegment{{38, 1, 5, 5}, 270, 90}));
    EXPECT_EQ(std::get<LineSegment>(figure.segments[3]), (LineSegment{{43, 6}, {43, 19}}));
}

TEST(TabFigureTest, BothTopCornersAreRound) {
    const gfx::Figure figure = TabFigure(0, 0, 26, 18, 1);
    EXPECT_FALSE(figure.closed);
    ASSERT_EQ(figure.segments.size(), 5u);
    EXPECT_EQ(ArcAt(figure, 1), (ArcSegment{{0, 0, 1, 1}, 180, 90}));
    EXPECT_EQ(std::get<LineSegment>(figure.segments[2]), (LineSegment{{1, 0}, {25, 0}}));
    EXPECT_EQ(ArcAt(figure, 3), (ArcSegment{{25, 0, 1, 1}, 270, 90}));
}

TEST(ShapesTest, PanelGradientRunsAcrossTheControl) {
    const ControlPanel flat = LayoutPanel(200, 40, false);
    EXPECT_EQ(flat.outline, (gfx::RectF{0, 0, 199, 39}));
    EXPECT_EQ(flat.fill, (gfx::RectF{1, 1, 198, 38}));
    EXPECT_EQ(flat.gradientTo, (gfx::PointF{0, 39}));
    EXPECT_EQ(LayoutPanel(40, 200, true).gradientTo, (gfx::PointF{39, 0}));
}

}  // namespace
}  // namespace yf
