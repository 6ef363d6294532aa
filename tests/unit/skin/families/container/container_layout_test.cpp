#include "skin/families/container/container_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

constexpr std::uint32_t kGroupBox = 0x7;

TEST(ContainerLayoutTest, GroupBoxesAreButtonsWithTheGroupStyle) {
    EXPECT_TRUE(IsGroupBoxStyle("Button", kGroupBox));
    EXPECT_TRUE(IsGroupBoxStyle("BUTTON", kGroupBox | 0x300));
    EXPECT_FALSE(IsGroupBoxStyle("Button", 0x0));  // push button
    EXPECT_FALSE(IsGroupBoxStyle("Button", 0x3));  // check box
    EXPECT_FALSE(IsGroupBoxStyle("Static", kGroupBox));
}

TEST(ContainerLayoutTest, CaptionPlaceFollowsTheAlignmentBits) {
    struct Case {
        std::uint32_t style;
        float x;
    } cases[] = {
        {kGroupBox | 0x300, 60},   // centred: (200 - 80) / 2
        {kGroupBox | 0x100, 10},   // left
        {kGroupBox | 0x200, 110},  // right: 200 - 80 - 10
        {kGroupBox, 110},          // no alignment bits: right as well
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GroupCaptionRect(200, c.style, 80, 12), (gfx::RectF{c.x, 1, 80, 15}))
            << std::hex << c.style;
    }
    // An empty caption measures 1 pixel wide.
    EXPECT_EQ(GroupCaptionRect(152, kGroupBox, 1, 9), (gfx::RectF{141, 1, 1, 12}));
}

TEST(ContainerLayoutTest, PanelsAndFrames) {
    EXPECT_EQ(ContainerPanel(true, 152, 174), (RoundRect{{0, 5, 152, 168}, 5}));
    EXPECT_EQ(ContainerPanel(false, 152, 174), (RoundRect{{0, 0, 152, 174}, 0}));
    const DoubleFrame group = GroupBoxFrame(152, 174);
    EXPECT_EQ(group.outer, (RoundRect{{0, 5, 151, 168}, 5}));
    EXPECT_EQ(group.inner, (RoundRect{{1, 6, 149, 166}, 3}));
    const DoubleFrame border = ContainerBorder(100, 50);
    EXPECT_EQ(border.outer, (RoundRect{{0, 0, 99, 49}, 5}));
    EXPECT_EQ(border.inner, (RoundRect{{1, 1, 97, 47}, 3}));
}

TEST(ContainerLayoutTest, DockedWindowsFillBelowTheirTop) {
    EXPECT_EQ(PlaceDocked(300, 200, 30, 0), (PixelBox{2, 30, 296, 170}));
    // A window with a 20-pixel status bar keeps it and 3 more pixels free.
    EXPECT_EQ(PlaceDocked(300, 200, 30, 23), (PixelBox{2, 30, 296, 147}));
}

}  // namespace
}  // namespace yf
