#include "gfx/pixel_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace yf::gfx {
namespace {

PixelBuffer Filled(int w, int h, std::uint32_t colour) {
    PixelBuffer buffer(w, h);
    Fill(WritableView(buffer), colour);
    return buffer;
}

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

TEST(ResampleTest, FlatPicturesStayFlatAtAnySize) {
    const PixelBuffer source = Filled(37, 23, 0xFF4080C0);
    const struct {
        int w, h;
    } sizes[] = {{37, 23}, {5, 3}, {100, 90}, {1, 1}, {36, 60}};
    for (const auto& size : sizes) {
        const PixelBuffer out = Resample(ViewOf(source), size.w, size.h);
        ASSERT_EQ(out.width, size.w);
        ASSERT_EQ(out.height, size.h);
        for (std::uint32_t p : out.pixels) ASSERT_EQ(p, 0xFF4080C0u) << size.w << "x" << size.h;
    }
}

TEST(ResampleTest, HalvingAveragesEachTwoByTwoBlock) {
    PixelBuffer source(4, 2);
    const std::uint32_t values[] = {0xFF000000, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00,
                                    0xFF0000FF, 0xFF000000, 0xFFFF0000, 0xFFFF0000};
    source.pixels.assign(std::begin(values), std::end(values));
    const PixelBuffer out = Resample(ViewOf(source), 2, 1);
    // Left block: two black, two full blue -> half blue.
    EXPECT_NEAR(Channel(out.At(0, 0), 0), 128, 1);
    EXPECT_EQ(Channel(out.At(0, 0), 8), 0);
    // Right block: two green, two red -> half of each.
    EXPECT_NEAR(Channel(out.At(1, 0), 8), 128, 1);
    EXPECT_NEAR(Channel(out.At(1, 0), 16), 128, 1);
    EXPECT_EQ(out.At(1, 0) >> 24, 0xFFu);
}

TEST(ResampleTest, ShrinkingByANonIntegerFactorWeighsPartlyCoveredPixels) {
    // Three pixels 0, 90, 180 shrunk to two: [0, 1.5) and [1.5, 3).
    PixelBuffer source(3, 1);
    source.pixels = {0xFF000000, 0xFF00005A, 0xFF0000B4};
    const PixelBuffer out = Resample(ViewOf(source), 2, 1);
    EXPECT_NEAR(Channel(out.At(0, 0), 0), (0 + 45) * 2 / 3, 1);    // (0 * 1 + 90 * 0.5) / 1.5
    EXPECT_NEAR(Channel(out.At(1, 0), 0), (45 + 180) * 2 / 3, 1);  // (90 * 0.5 + 180) / 1.5
}

TEST(ResampleTest, EnlargingInterpolatesBetweenNeighbours) {
    PixelBuffer source(2, 1);
    source.pixels = {0xFF000000, 0xFF0000FF};
    const PixelBuffer out = Resample(ViewOf(source), 8, 1);
    int previous = -1;
    for (int x = 0; x < 8; ++x) {
        const int blue = Channel(out.At(x, 0), 0);
        EXPECT_GE(blue, previous) << x;
        previous = blue;
    }
    EXPECT_EQ(Channel(out.At(0, 0), 0), 0);
    EXPECT_EQ(Channel(out.At(7, 0), 0), 255);
    EXPECT_NEAR(Channel(out.At(3, 0), 0), 96, 1);  // centre 3.5 / 4 - 0.5 = 0.375 of the way
}

TEST(BlitTest, CopiesClippedAndMirrored) {
    PixelBuffer picture(3, 2);
    picture.pixels = {1, 2, 3, 4, 5, 6};
    for (auto& p : picture.pixels) p |= 0xFF000000;
    PixelBuffer target = Filled(4, 3, 0xFF000000);

    Blit(WritableView(target), ViewOf(picture), 2, 2, false);  // only the top-left 2 x 1 fits
    EXPECT_EQ(target.At(2, 2), 0xFF000001u);
    EXPECT_EQ(target.At(3, 2), 0xFF000002u);
    EXPECT_EQ(target.At(1, 2), 0xFF000000u);

    Blit(WritableView(target), ViewOf(picture), -1, 0, true);  // mirrored, first column cut off
    EXPECT_EQ(target.At(0, 0), 0xFF000002u);
    EXPECT_EQ(target.At(1, 0), 0xFF000001u);
    EXPECT_EQ(target.At(0, 1), 0xFF000005u);
    EXPECT_EQ(target.At(2, 0), 0xFF000000u);
}

TEST(BlitTest, TranslucentPicturesAreComposedOverTheTarget) {
    PixelBuffer picture(1, 1);
    picture.opaque = false;
    picture.pixels = {Premultiply(0x80FFFFFF)};  // half white
    PixelBuffer target = Filled(1, 1, 0xFF000000);
    Blit(WritableView(target), ViewOf(picture), 0, 0, false);
    EXPECT_NEAR(Channel(target.At(0, 0), 16), 128, 1);
    EXPECT_EQ(target.At(0, 0) >> 24, 0xFFu);

    picture.pixels = {0};  // fully transparent leaves the target
    Blit(WritableView(target), ViewOf(picture), 0, 0, false);
    EXPECT_NEAR(Channel(target.At(0, 0), 16), 128, 1);
}

TEST(PremultiplyTest, ScalesTheColourByItsAlpha) {
    EXPECT_EQ(Premultiply(0xFF123456), 0xFF123456u);
    EXPECT_EQ(Premultiply(0x00FFFFFF), 0x00000000u);
    EXPECT_EQ(Premultiply(0x80FF0000), 0x80800000u);
}

}  // namespace
}  // namespace yf::gfx
