#include "app/tray_clicks.h"

#include <gtest/gtest.h>

#include "fakes/fake_controls.h"

namespace yf {
namespace {

using Reaction = TrayClicks::Reaction;

TEST(TrayClicksTest, ShellMessagesMapToOperations) {
    EXPECT_EQ(TrayOperationFromMouseMessage(0x0202), TrayOperation::LeftUp);
    EXPECT_EQ(TrayOperationFromMouseMessage(0x0203), TrayOperation::DoubleClick);
    EXPECT_EQ(TrayOperationFromMouseMessage(0x0205), TrayOperation::RightUp);
    EXPECT_EQ(TrayOperationFromMouseMessage(0x007B), TrayOperation::RightUp);
    EXPECT_EQ(TrayOperationFromMouseMessage(0x0201), TrayOperation::None);
    EXPECT_EQ(TrayOperationFromMouseMessage(0x0200), TrayOperation::None);
}

TEST(TrayClicksTest, SingleClickOpensTheMenuOnTheTick) {
    testing::FakeControls controls;
    TrayClicks clicks(controls);
    EXPECT_EQ(clicks.OnTrayEvent(TrayOperation::LeftUp), Reaction::None);
    EXPECT_EQ(controls.TimerInterval(TimerId::时钟2), 500);
    EXPECT_TRUE(clicks.OnTimerTick());
    EXPECT_EQ(controls.TimerInterval(TimerId::时钟2), 0);
    EXPECT_TRUE(clicks.Pending().empty());
}

TEST(TrayClicksTest, DoubleClickShowsTheWindowAndOpensNoMenu) {
    testing::FakeControls controls;
    TrayClicks clicks(controls);
    EXPECT_EQ(clicks.OnTrayEvent(TrayOperation::LeftUp), Reaction::None);
    EXPECT_EQ(clicks.OnTrayEvent(TrayOperation::DoubleClick), Reaction::ShowCentred);
    EXPECT_EQ(clicks.OnTrayEvent(TrayOperation::LeftUp), Reaction::None);
    // The half second started with the first click and was not restarted by the second.
    EXPECT_EQ(controls.TimerStarts(), 1);
    EXPECT_FALSE(clicks.OnTimerTick());
    EXPECT_TRUE(clicks.Pending().empty());
}

TEST(TrayClicksTest, TwoSeparateClicksOpenTheMenuTwiceAndRightClickNothing) {
    testing::FakeControls controls;
    TrayClicks clicks(controls);
    EXPECT_EQ(clicks.OnTrayEvent(TrayOperation::RightUp), Reaction::None);
    EXPECT_EQ(controls.TimerInterval(TimerId::时钟2), 0);
    for (int i = 0; i < 2; ++i) {
        clicks.OnTrayEvent(TrayOperation::LeftUp);
        EXPECT_TRUE(clicks.OnTimerTick());
    }
    EXPECT_EQ(controls.TimerStarts(), 2);
}

}  // namespace
}  // namespace yf
