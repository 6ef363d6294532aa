#include "skin/engine/picture_fade.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

using gfx::MakeArgb;

constexpr gfx::ColourRef kTheme = 0xC0C0C0;

TEST(FadeBandsTest, RightVariantFadesThirtyPercentOfTheWidthIntoTheColour) {
    const auto bands = FadeBands(100, 80, std::nullopt, kTheme, 1);
    const GradientBand& side = bands[0];
    EXPECT_EQ(side.from, (gfx::PointF{70, 0}));
    EXPECT_EQ(side.to, (gfx::PointF{100, 0}));
    EXPECT_EQ(side.fromColour, MakeArgb(gfx::kWhiteRef, 0));
    EXPECT_EQ(side.toColour, MakeArgb(kTheme, 255));
    EXPECT_EQ(side.area, (gfx::RectF{71, 0, 30, 80}));
}

TEST(FadeBandsTest, LeftVariantStartsOpaqueAtTheLeftEdge) {
    const GradientBand side = FadeBands(100, 80, std::nullopt, kTheme, 0)[0];
    EXPECT_EQ(side.from, (gfx::PointF{0, 0}));
    EXPECT_EQ(side.to, (gfx::PointF{30, 0}));
    EXPECT_EQ(side.fromColour, MakeArgb(kTheme, 255));
    EXPECT_EQ(side.toColour, MakeArgb(gfx::kWhiteRef, 0));
    EXPECT_EQ(side.area, (gfx::RectF{0, 0, 30, 80}));
}

TEST(FadeBandsTest, BottomBandUsesTheSameLengthInBothVariants) {
    for (int variant : {0, 1, 7}) {
        const GradientBand bottom = FadeBands(100, 80, std::nullopt, kTheme, variant)[1];
        EXPECT_EQ(bottom.from, (gfx::PointF{0, 50}));
        EXPECT_EQ(bottom.to, (gfx::PointF{0, 80}));
        EXPECT_EQ(bottom.fromColour, MakeArgb(kTheme, 0));
        EXPECT_EQ(bottom.toColour, MakeArgb(kTheme, 255));
        EXPECT_EQ(bottom.area, (gfx::RectF{0, 51, 100, 30}));
    }
}

TEST(FadeBandsTest, GivenLengthAndRoundingDown) {
    EXPECT_EQ(FadeBands(100, 80, 12, kTheme, 1)[0].area, (gfx::RectF{89, 0, 12, 80}));
    EXPECT_EQ(FadeBands(33, 20, std::nullopt, kTheme, 1)[0].area, (gfx::RectF{25, 0, 9, 20}));
}

}  // namespace
}  // namespace yf
