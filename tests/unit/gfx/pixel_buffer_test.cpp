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

int Channel(std::uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

TEST(ResampleTest, FlatPicturesStayFlatAtAnySize) {
    const PixelBuffer source = Filled(37, 23, 0xFF4080C0);
    const struct { int w, h; } sizes[] = {{37, 23}, {5, 3}, {100, 90}, {1, 1}, {36, 60}};
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

namespace yf::gfx {
namespace {

// A w x h picture whose pixel (x, y) has blue = x and green = y.
PixelBuffer Ramp(int w, int h) {
    PixelBuffer ramp(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            ramp.At(x, y) = 0xFF000000u | (static_cast<unsigned>(y) << 8) | x;
    }
    return ramp;
}

TEST(ShrinkByHalvesTest, HalvesPerAxisWhileTheMinimumAllows) {
    const PixelBuffer ramp = Ramp(64, 40);
    const struct {
        int minW, minH, w, h;
    } cases[] = {{64, 40, 64, 40}, {32, 40, 32, 40}, {31, 11, 32, 20},  {8, 5, 8, 5},
                 {9, 6, 16, 10},   {1, 1, 1, 1},     {100, 100, 64, 40}};
    for (const auto& c : cases) {
        const PixelBuffer out = ShrinkByHalves(SourceOf(ViewOf(ramp)), c.minW, c.minH);
        EXPECT_EQ(out.width, c.w) << c.minW << "x" << c.minH;
        EXPECT_EQ(out.height, c.h) << c.minW << "x" << c.minH;
    }
}

TEST(ShrinkByHalvesTest, EachPixelIsTheMeanOfItsBlock) {
    const PixelBuffer ramp = Ramp(64, 40);
    const PixelBuffer out = ShrinkByHalves(SourceOf(ViewOf(ramp)), 16, 10);  // blocks of 4 x 4
    ASSERT_EQ(out.width, 16);
    // Block (2, 1) covers x 8..11 and y 4..7: mean blue 9.5, mean green 5.5 (rounded up).
    EXPECT_EQ(Channel(out.At(2, 1), 0), 10);
    EXPECT_EQ(Channel(out.At(2, 1), 8), 6);
    EXPECT_EQ(out.At(2, 1) >> 24, 0xFFu);
}

TEST(ShrinkByHalvesTest, TheLastBlocksTakeTheRemainder) {
    const PixelBuffer ramp = Ramp(13, 5);
    const PixelBuffer out = ShrinkByHalves(SourceOf(ViewOf(ramp)), 6, 2);  // 2 x 2 blocks
    ASSERT_EQ(out.width, 6);
    ASSERT_EQ(out.height, 2);
    // Last column: x 10..12 -> 11; last row: y 2..4 -> 3.
    EXPECT_EQ(Channel(out.At(5, 1), 0), 11);
    EXPECT_EQ(Channel(out.At(5, 1), 8), 3);
}

TEST(ShrinkByHalvesTest, ThreeByteSourcesBecomeOpaquePixels) {
    // Two rows of two B, G, R pixels, rows 8 bytes apart (padded).
    const std::uint8_t bytes[] = {10, 20, 30, 50, 60, 70, 0, 0, 30, 40, 50, 70, 80, 90, 0, 0};
    const SourcePixels source{bytes, 2, 2, 8, 3, true};
    const PixelBuffer copy = ShrinkByHalves(source, 2, 2);
    ASSERT_EQ(copy.width, 2);
    EXPECT_EQ(copy.At(1, 1), 0xFF5A5046u);
    const PixelBuffer one = ShrinkByHalves(source, 1, 1);
    ASSERT_EQ(one.width, 1);
    EXPECT_EQ(one.At(0, 0), 0xFF3C3228u);  // means 40, 50, 60 of R, G, B
}

TEST(ScaleToTest, MatchesResamplingAFlatPictureAndHitsTheSize) {
    PixelBuffer flat(300, 200);
    Fill(WritableView(flat), 0xFF336699);
    const PixelBuffer out = ScaleTo(SourceOf(ViewOf(flat)), 71, 37);
    ASSERT_EQ(out.width, 71);
    ASSERT_EQ(out.height, 37);
    for (std::uint32_t p : out.pixels) ASSERT_EQ(p, 0xFF336699u);
    const PixelBuffer up = ScaleTo(SourceOf(ViewOf(flat)), 400, 250);
    EXPECT_EQ(up.width, 400);
    EXPECT_EQ(up.At(399, 249), 0xFF336699u);
}

TEST(NineSliceTest, CornersComeFromTheTileAndEdgesRepeatItsMiddle) {
    PixelBuffer tile(10, 10);
    tile.At(0, 0) = 0xFF0000FF;  // a corner key
    tile.At(9, 9) = 0xFF00FF00;  // the other corner
    tile.At(5, 0) = 0x80000080;  // the top edge line (middle column)
    tile.At(0, 5) = 0x40400000;  // the left edge line (middle row)
    const SparseOverlay overlay = NineSlice(tile, 3, 40, 30);
    PixelBuffer image(40, 30);
    Fill(WritableView(image), 0xFF000000);
    Apply(WritableView(image), overlay);
    EXPECT_EQ(image.At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(image.At(39, 29), 0xFF00FF00u);
    for (int x = 3; x < 37; ++x) EXPECT_EQ(Channel(image.At(x, 0), 0), 0x80) << x;
    for (int y = 3; y < 27; ++y) EXPECT_EQ(Channel(image.At(0, y), 16), 0x40) << y;
    EXPECT_EQ(image.At(20, 15), 0xFF000000u);
    // Only the tile's coloured pixels are kept: two corners, one row, one column.
    EXPECT_EQ(overlay.pixels.size(), 2u + 34u + 24u);
}

TEST(SubViewTest, ClipsToTheView) {
    PixelBuffer ramp = Ramp(10, 8);
    const ConstPixelView part = SubView(ViewOf(ramp), 7, 6, 5, 5);
    EXPECT_EQ(part.width, 3);
    EXPECT_EQ(part.height, 2);
    EXPECT_EQ(part.At(0, 0), ramp.At(7, 6));
    EXPECT_EQ(part.At(2, 1), ramp.At(9, 7));
}

}  // namespace
}  // namespace yf::gfx
