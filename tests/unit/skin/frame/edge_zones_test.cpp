#include "skin/frame/edge_zones.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

using Action = PressDecision::Action;

TEST(EdgeZonesTest, ZonesInTheirOrderOnA300By200Window) {
    const struct {
        int x, y;
        EdgeZone zone;
    } cases[] = {
        {0, 100, EdgeZone::Left},          {3, 11, EdgeZone::Left},
        {3, 189, EdgeZone::Left},          {4, 100, EdgeZone::None},
        {297, 100, EdgeZone::Right},       {299, 50, EdgeZone::Right},
        {150, 0, EdgeZone::Top},           {11, 3, EdgeZone::Top},
        {289, 2, EdgeZone::Top},           {150, 197, EdgeZone::Bottom},
        {2, 5, EdgeZone::TopLeft},         {10, 10, EdgeZone::TopLeft},
        {3, 10, EdgeZone::TopLeft},        {290, 0, EdgeZone::TopRight},
        {0, 190, EdgeZone::BottomLeft},    {299, 199, EdgeZone::BottomRight},
        {290, 190, EdgeZone::BottomRight}, {150, 100, EdgeZone::None},
        {11, 11, EdgeZone::None},          {150, 4, EdgeZone::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindEdgeZone(c.x, c.y, 300, 200, 3), c.zone) << c.x << "," << c.y;
    }
}

TEST(EdgeZonesTest, CursorsAndSizeCommands) {
    const struct {
        EdgeZone zone;
        SizeCursor cursor;
        unsigned command;
    } cases[] = {
        {EdgeZone::Left, SizeCursor::WestEast, 0xF001},
        {EdgeZone::Right, SizeCursor::WestEast, 0xF002},
        {EdgeZone::Top, SizeCursor::NorthSouth, 0xF003},
        {EdgeZone::Bottom, SizeCursor::NorthSouth, 0xF006},
        {EdgeZone::TopLeft, SizeCursor::NorthWestSouthEast, 0xF004},
        {EdgeZone::TopRight, SizeCursor::NorthEastSouthWest, 0xF005},
        {EdgeZone::BottomLeft, SizeCursor::NorthEastSouthWest, 0xF007},
        {EdgeZone::BottomRight, SizeCursor::NorthWestSouthEast, 0xF008},
        {EdgeZone::None, SizeCursor::None, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CursorFor(c.zone), c.cursor);
        EXPECT_EQ(SizeCommandFor(c.zone), c.command);
    }
}

PressContext Press(int x, int y) {
    PressContext press;
    press.x = x;
    press.y = y;
    press.clientWidth = 371;
    press.clientHeight = 255;
    press.captionHeight = 25;
    return press;
}

TEST(DecidePressTest, EdgesBeforeTheCaptionWhenDoubleClickMaximizes) {
    EXPECT_EQ(DecidePress(Press(2, 5)), (PressDecision{Action::Resize, EdgeZone::TopLeft}));
    EXPECT_EQ(DecidePress(Press(150, 2)), (PressDecision{Action::Resize, EdgeZone::Top}));
    EXPECT_EQ(DecidePress(Press(150, 12)), (PressDecision{Action::Move, EdgeZone::None}));
    EXPECT_EQ(DecidePress(Press(150, 25)), (PressDecision{Action::Move, EdgeZone::None}));
    EXPECT_EQ(DecidePress(Press(150, 26)), PressDecision{});
    EXPECT_EQ(DecidePress(Press(370, 100)), (PressDecision{Action::Resize, EdgeZone::Right}));
}

TEST(DecidePressTest, WithoutDoubleClickMaximizeTheCaptionOnlyMoves) {
    PressContext press = Press(150, 2);
    press.dblClickMaximize = false;
    EXPECT_EQ(DecidePress(press), (PressDecision{Action::Move, EdgeZone::None}));
    press.y = 253;  // below the caption bar the edges still size the window
    EXPECT_EQ(DecidePress(press), (PressDecision{Action::Resize, EdgeZone::Bottom}));
}

TEST(DecidePressTest, ButtonStripAndMissingCaptionBarDoNothing) {
    PressContext press = Press(340, 10);
    press.onButtonStrip = true;
    EXPECT_EQ(DecidePress(press), PressDecision{});
    press = Press(0, 100);
    press.captionBar = false;
    EXPECT_EQ(DecidePress(press), PressDecision{});
}

TEST(HoverCursorTest, OnlyResizableWindowsThatMaximizeShowSizingCursors) {
    struct Case {
        int x;
        bool captionBar;
        bool dblClickMaximize;
        SizeCursor expected;
    };
    const Case cases[] = {
        {0, true, true, SizeCursor::WestEast},
        {0, true, false, SizeCursor::None},
        // Without a caption bar the window cannot be sized: no cursor may promise it.
        {0, false, true, SizeCursor::None},
        {150, true, true, SizeCursor::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HoverCursor(c.x, 100, 300, 200, 3, c.captionBar, c.dblClickMaximize), c.expected)
            << c.x << " " << c.captionBar << " " << c.dblClickMaximize;
    }
}

}  // namespace
}  // namespace yf
