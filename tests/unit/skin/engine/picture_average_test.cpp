#include "skin/engine/picture_average.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

// Left half one colour, right half another; the bottom row a third.
gfx::PixelBuffer Halves() {
    gfx::PixelBuffer picture(100, 50);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            picture.At(x, y) = y == 49 ? 0xFF00FF00 : x < 50 ? 0xFF000000 : 0xFFC8C8C8;
        }
    }
    return picture;
}

TEST(AveragePictureColourTest, MeanOfRandomPixelsOverTheWholePicture) {
    const gfx::ColourRef mean = AveragePictureColour(Halves(), kAverageSamples, 0, 0);
    const int red = static_cast<int>(mean & 0xFF);
    // Half the samples 0, half 200: about 100, give or take the sampling.
    EXPECT_NEAR(red, 100, 12);
    EXPECT_EQ(red, static_cast<int>((mean >> 16) & 0xFF));
}

TEST(AveragePictureColourTest, MarginsLimitTheSamplingArea) {
    // Only the grey right half (and its green bottom row): no black pulls the red down.
    const gfx::ColourRef right = AveragePictureColour(Halves(), 500, 40, 0);
    EXPECT_GE(static_cast<int>(right & 0xFF), 180);
    const gfx::ColourRef bottom = AveragePictureColour(Halves(), 500, 0, 1);
    EXPECT_EQ(bottom, gfx::MakeColourRef(0, 255, 0));
    const gfx::ColourRef corner = AveragePictureColour(Halves(), 300, 10, 1);
    EXPECT_EQ(corner, gfx::MakeColourRef(0, 255, 0));
}

}  // namespace
}  // namespace yf
