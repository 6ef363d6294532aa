#include "skin/families/trackbar/trackbar_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(TrackbarLayoutTest, TickModeTable) {
    struct Case {
        std::uint32_t style;
        int mode;
    } cases[] = {
        {0x0, 1},              // TBS_BOTTOM (the default)
        {0x1, 1},              // TBS_AUTOTICKS
        {0x4, 0},              // TBS_TOP
        {0x6, 0},              // TBS_LEFT | TBS_VERT
        {0x8, 2},              // TBS_BOTH
        {0xC, 0},              // top wins over both
        {0x10, 3},             // TBS_NOTICKS wins over everything
        {0x1C, 3}, {0x20, 1},  // a selection range alone
    };
    for (const Case& c : cases) EXPECT_EQ(TrackbarTickMode(c.style), c.mode) << std::hex << c.style;
}

TrackbarFacts Horizontal(int position, int maximum) {
    TrackbarFacts facts;
    facts.channel = {8, 10, 208, 14};
    facts.thumb = {8 + 2.0f * position, 4, 19 + 2.0f * position, 24};
    facts.position = position;
    facts.maximum = maximum;
    return facts;
}

TEST(TrackbarLayoutTest, ThumbAndProgressLineAtTheMinimumAndMaximum) {
    const TrackbarGeometry low = LayoutTrackbar(Horizontal(0, 100), false);
    EXPECT_EQ(low.groove, (gfx::RectF{8, 10, 200, 4}));
    EXPECT_EQ(low.thumb, (gfx::RectF{8, 9.5f, 4, 4}));
    EXPECT_EQ(low.progress, (gfx::RectF{8, 11, -1, 1}));  // nothing before the thumb

    const TrackbarGeometry high = LayoutTrackbar(Horizontal(100, 100), false);
    EXPECT_EQ(high.thumb, (gfx::RectF{216, 9.5f, 4, 4}));   // 8 further along
    EXPECT_EQ(high.progress, (gfx::RectF{8, 11, 209, 1}));  // 10 longer

    // Under the mouse the 11-pixel circle, moved by the tick side.
    struct Case {
        int tickMode;
        float y;
    } cases[] = {{0, 8}, {1, 6}, {2, 7}, {3, 6}};
    for (const Case& c : cases) {
        TrackbarFacts facts = Horizontal(100, 100);
        facts.tickMode = c.tickMode;
        EXPECT_EQ(LayoutTrackbar(facts, true).thumb, (gfx::RectF{208, c.y, 11, 11})) << c.tickMode;
    }
}

TEST(TrackbarLayoutTest, SelectionRangeGetsAThinGrooveAndItsMark) {
    TrackbarFacts facts = Horizontal(40, 100);
    facts.selectionRange = true;
    facts.channel = {8, 10, 208, 20};
    facts.selectionStart = 20;
    facts.selectionEnd = 60;
    const TrackbarGeometry g = LayoutTrackbar(facts, false);
    EXPECT_EQ(g.groove, (gfx::RectF{8, 13, 200, 4}));
    ASSERT_TRUE(g.hasSelection);
    EXPECT_EQ(g.selection, (gfx::RectF{47, 14, 80, 1}));  // 8 + 20 * 2 - 1, 40 * 2 long
    EXPECT_EQ(g.progress.y, 14);
    // A range of 0 gives no mark to divide by, and no fault.
    facts.maximum = 0;
    facts.position = 0;
    EXPECT_FALSE(LayoutTrackbar(facts, false).hasSelection);
}

TEST(TrackbarLayoutTest, VerticalChannelIsWorkedWithItsAxesExchanged) {
    // As the control lies (taller than wide) and as it is reported exchanged: the same.
    const Edges lying{20, 8, 24, 208};
    const Edges exchanged{8, 20, 208, 24};
    EXPECT_EQ(ChannelAlongAxis(lying, true).left, exchanged.left);
    EXPECT_EQ(ChannelAlongAxis(lying, true).bottom, exchanged.bottom);
    EXPECT_EQ(ChannelAlongAxis(exchanged, true).top, exchanged.top);
    TrackbarFacts facts;
    facts.vertical = true;
    facts.channel = exchanged;
    facts.thumb = {14, 58, 34, 69};
    facts.position = 5;
    facts.maximum = 10;
    const TrackbarGeometry g = LayoutTrackbar(facts, false);
    EXPECT_EQ(g.groove, (gfx::RectF{20, 8, 4, 200}));
    EXPECT_EQ(g.grooveFrom, (gfx::PointF{20, 8}));
    EXPECT_EQ(g.grooveTo, (gfx::PointF{24, 8}));  // across the groove
    EXPECT_EQ(g.thumb, (gfx::RectF{19.5f, 58, 4, 4}));
    EXPECT_EQ(g.progress, (gfx::RectF{21, 8, 1, 49}));
}

}  // namespace
}  // namespace yf
