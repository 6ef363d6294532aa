#include "gallery/gallery_layout.h"

#include <gtest/gtest.h>

namespace yf::gallery {
namespace {

TEST(GalleryLayoutTest, CommandLineNamesTheSkin) {
    struct Case {
        const wchar_t* line;
        int skin;
    } cases[] = {
        {L"", 8},   {L"3", 3},  {L"  1 ", 1}, {L"\"5\"", 5}, {L"8", 8},   {L"0", 8},    {L"9", 8},
        {L"12", 8}, {L"-2", 8}, {L"3x", 8},   {L"x3", 8},    {L"2 7", 2}, {L"0005", 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkinFromCommandLine(c.line), c.skin)
            << "[" << testing::PrintToString(c.line) << "]";
    }
}

TEST(GalleryLayoutTest, DigitKeysOfBothBlocksChooseSkins) {
    EXPECT_EQ(SkinFromKey('1'), 1);
    EXPECT_EQ(SkinFromKey('8'), 8);
    EXPECT_EQ(SkinFromKey('9'), 0);
    EXPECT_EQ(SkinFromKey('0'), 0);
    EXPECT_EQ(SkinFromKey(0x61), 1);  // number pad 1
    EXPECT_EQ(SkinFromKey(0x68), 8);
    EXPECT_EQ(SkinFromKey(0x69), 0);
    EXPECT_EQ(SkinFromKey('A'), 0);
}

bool Inside(const PixelBox& inner, const PixelBox& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(GalleryLayoutTest, BandsFitTheWindowAndTheGroupBoxWithoutOverlapping) {
    const PixelBox group = GroupBoxPlace();
    const PixelBox client{0, kCaptionHeight, kWindowWidth, kWindowHeight - kCaptionHeight};
    const PixelBox groupClient{0, 0, group.width, group.height};
    const int statusTop = kWindowHeight - 3 - kStatusBarHeight - 1;
    EXPECT_TRUE(Inside(group, client));
    EXPECT_LE(group.y + group.height, statusTop);
    for (int band = 0; band < kSectionBands; ++band) {
        const SectionArea area = SectionAreaOf(band);
        EXPECT_TRUE(Inside(area.onWindow, client)) << band;
        EXPECT_LE(area.onWindow.x + area.onWindow.width, group.x) << band;
        EXPECT_LE(area.onWindow.y + area.onWindow.height, statusTop) << band;
        EXPECT_TRUE(Inside(area.inGroup, groupClient)) << band;
        if (band > 0) {
            const SectionArea above = SectionAreaOf(band - 1);
            EXPECT_GE(area.onWindow.y, above.onWindow.y + above.onWindow.height);
            EXPECT_GE(area.inGroup.y, above.inGroup.y + above.inGroup.height);
        }
    }
    EXPECT_EQ(SectionAreaOf(kSectionBands).onWindow.width, 0);
}

TEST(GalleryLayoutTest, SizeCellText) {
    EXPECT_EQ(SizeCellText(1180, 880), "1180 × 880");
}

}  // namespace
}  // namespace yf::gallery
