#include "core/picture_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace yf {
namespace {

struct NeedCase {
    int needed;
    std::vector<int> available;
    int chosen;
};

TEST(NearestAtOrAboveTest, DrawsDownNeverUp) {
    const NeedCase cases[] = {
        {100, {100, 125, 150, 200}, 100},
        {101, {100, 125, 150, 200}, 125},
        {150, {100, 125, 150, 200}, 150},
        {175, {100, 125, 150, 200}, 200},
        {250, {100, 125, 150, 200}, 200},  // nothing large enough: the largest there is
        {50, {100, 125, 150, 200}, 100},
        {120, {200, 100, 150}, 150},  // any order
        {28, {32, 40, 48, 64}, 32},
        {56, {32, 40, 48, 64}, 64},
        {16, {16}, 16},
        {16, {}, 0},
    };
    for (const NeedCase& c : cases) {
        EXPECT_EQ(NearestAtOrAbove(c.needed, c.available), c.chosen) << c.needed;
    }
}

TEST(PictureScaleForDpiTest, PicksTheDrawnScaleForEachDpi) {
    const std::pair<int, int> cases[] = {{96, 100},  {72, 100},  {108, 125}, {120, 125},
                                         {144, 150}, {168, 200}, {192, 200}, {288, 200}};
    for (const auto& [dpi, percent] : cases) {
        EXPECT_EQ(PictureScaleForDpi(dpi), percent) << dpi;
    }
    const int onlyTwo[] = {100, 200};
    EXPECT_EQ(PictureScaleForDpi(120, onlyTwo), 200);
}

TEST(ScaledPictureNameTest, KeepsTheNameAtOneHundredPercent) {
    EXPECT_EQ(ScaledPictureName(L"GLYPH_CLOSE", 100), L"GLYPH_CLOSE");
    EXPECT_EQ(ScaledPictureName(L"GLYPH_CLOSE", 125), L"GLYPH_CLOSE_125");
    EXPECT_EQ(ScaledPictureName(L"ARROW_UP", 200), L"ARROW_UP_200");
}

std::vector<std::uint8_t> GroupDirectory(int type, std::vector<int> widths) {
    std::vector<std::uint8_t> bytes = {
        0, 0, static_cast<std::uint8_t>(type), 0, static_cast<std::uint8_t>(widths.size()), 0};
    for (size_t i = 0; i < widths.size(); ++i) {
        const std::uint8_t w = static_cast<std::uint8_t>(widths[i]);
        // width, height, colours, reserved, planes, bits, bytes in resource, id
        const std::uint8_t entry[14] = {
            w, w, 0, 0, 1, 0, 32, 0, 0x10, 0, 0, 0, static_cast<std::uint8_t>(i + 1), 0};
        bytes.insert(bytes.end(), entry, entry + 14);
    }
    return bytes;
}

TEST(IconGroupSizesTest, ReadsEveryImageWidth) {
    EXPECT_EQ(IconGroupSizes(GroupDirectory(1, {32, 40, 48, 64})),
              (std::vector<int>{32, 40, 48, 64}));
    EXPECT_EQ(IconGroupSizes(GroupDirectory(1, {16, 0})), (std::vector<int>{16, 256}));
    EXPECT_TRUE(IconGroupSizes(GroupDirectory(2, {32})).empty());  // a cursor group
    auto cut = GroupDirectory(1, {32, 48});
    cut.pop_back();
    EXPECT_TRUE(IconGroupSizes(cut).empty());
    EXPECT_TRUE(IconGroupSizes({}).empty());
}

}  // namespace
}  // namespace yf
