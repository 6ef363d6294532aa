#include "skin/families/progress/progress_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(ProgressLayoutTest, BarFollowsThePositionAndStaysInside) {
    // 0 to 100 at 50 on 200 pixels: the bar covers the left 100.
    const ProgressBarGeometry half = LayoutProgressBar(200, 22, false, 0, 100, 50);
    ASSERT_TRUE(half.hasBar);
    EXPECT_EQ(half.bar, (gfx::RectF{1, 1, 97, 19}));
    EXPECT_EQ(half.gradientTo, (gfx::PointF{0, 21}));
    // Vertical at 30 %: grows from the bottom, trunc(220 - 66) = 154.
    const ProgressBarGeometry upright = LayoutProgressBar(24, 220, true, 0, 100, 30);
    EXPECT_EQ(upright.bar, (gfx::RectF{1, 155, 21, 63}));
    EXPECT_EQ(upright.gradientFrom, (gfx::PointF{0, 154}));
    EXPECT_EQ(upright.gradientTo, (gfx::PointF{23, 154}));
    struct Case {
        int low, high, position;
    } panelOnly[] = {{0, 100, 0}, {50, 50, 50}, {60, 40, 50}, {0, 100, -5}};
    for (const Case& c : panelOnly) {
        EXPECT_FALSE(LayoutProgressBar(200, 22, false, c.low, c.high, c.position).hasBar)
            << c.low << ".." << c.high << " at " << c.position;
    }
    // The position is not reduced by the low limit, but the bar never leaves the control.
    EXPECT_EQ(LayoutProgressBar(200, 22, false, 50, 100, 75).bar.width, 197);
}

}  // namespace
}  // namespace yf
