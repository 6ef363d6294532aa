// The countdown's captions and texts, and the ExitWindowsEx flags of each action.
#include "scheduler/countdown.h"

#include <gtest/gtest.h>

#include "scheduler/power_action.h"

namespace yf {
namespace {

TEST(CountdownTest, RemainingCaptionSplitsHoursMinutesSeconds) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {3725, "1小时02分05秒"},
        {59, "0小时00分59秒"},
        {0, "0小时00分00秒"},
        {86399, "23小时59分59秒"},
        {90000, "25小时00分00秒"},
        {600, "0小时10分00秒"},
        // Negative counts: each part truncated toward zero keeps its own sign.
        {-1, "0小时00分-1秒"},
        {-59, "0小时00分-59秒"},
        {-3725, "-1小时-2分-5秒"},
        {-61, "0小时-1分-1秒"},
    };
    for (const auto& [remaining, caption] : cases) {
        EXPECT_EQ(RemainingCaption(remaining), caption) << remaining;
    }
}

TEST(CountdownTest, ReminderTextNamesTheActionAndTheLead) {
    EXPECT_EQ(ReminderText(1, 5), "系统将在5分钟后关闭，请注意保存您的资料！");
    EXPECT_EQ(ReminderText(2, 1), "系统将在1分钟后重新启动，请注意保存您的资料！");
    EXPECT_EQ(ReminderText(3, 0), "系统将在0分钟后注销，请注意保存您的资料！");
    EXPECT_EQ(ReminderText(0, 5), "");
    EXPECT_EQ(ReminderText(4, 5), "");
}

TEST(CountdownTest, ExitWindowsFlagsByActionForceAndFamily) {
    struct Case {
        int action;
        bool force;
        bool nt;
        unsigned flags;
    };
    const Case cases[] = {
        {1, true, true, 0x8 | 0x4}, {1, false, true, 0x8},      {1, true, false, 0x1 | 0x4},
        {1, false, false, 0x1},     {2, true, true, 0x2 | 0x4}, {2, false, true, 0x2},
        {3, true, true, 0x0 | 0x4}, {3, false, true, 0x0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExitWindowsFlags(c.action, c.force, c.nt), c.flags)
            << c.action << " force " << c.force << " nt " << c.nt;
    }
}

TEST(CountdownTest, OnlyCodesOneToFiveAreActions) {
    for (int code : {-1, 0, 6, 100}) EXPECT_FALSE(IsPowerAction(code)) << code;
    for (int code = 1; code <= 5; ++code) EXPECT_TRUE(IsPowerAction(code)) << code;
    EXPECT_TRUE(IsSleepAction(4));
    EXPECT_TRUE(IsSleepAction(5));
    EXPECT_FALSE(IsSleepAction(3));
}

// Remaining times of consecutive ticks against a fixed lead: which tick reminds, which fires.
struct TickRun {
    std::int64_t atStart;
    std::int64_t leadSeconds;
    std::vector<std::int64_t> ticks;
    int remindAt;  // index of the reminding tick, -1 for none
    int fireAt;    // index of the firing tick, -1 for none
};

TEST(CountdownTest, ArmedCountdownRemindsAndFiresOnceEvenOnLateTicks) {
    const TickRun runs[] = {
        {5, 0, {4, 3, 2, 1, 0, -1}, 4, 4},  // lead 0: reminder and action together
        {10, 3, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, 6, 9},
        {10, 3, {9, 8, 7, 1, -4, -5}, 3, 4},        // a 5 s late tick jumps across the target
        {10, 3, {9, -1, -2}, 1, 1},                 // the jump covers lead and target at once
        {2, 60, {1, 0}, -1, 1},                     // lead already above the time left
        {10, 3, {9, 8, 20, 19, 3, 2, 1, 0}, 4, 7},  // clock set back: no early fire
        {10, 3, {9, 3, 20, 3, 0}, 1, 4},            // crossing the lead again: still once
        {0, 0, {-1, -2}, -1, 0},                    // target equal to the start second
    };
    for (const TickRun& run : runs) {
        Countdown countdown;
        countdown.Arm(run.atStart);
        for (int i = 0; i < static_cast<int>(run.ticks.size()); ++i) {
            SCOPED_TRACE("start " + std::to_string(run.atStart) + " tick " + std::to_string(i));
            EXPECT_EQ(countdown.ReminderDue(run.ticks[i], run.leadSeconds), i == run.remindAt);
            EXPECT_EQ(countdown.FireDue(run.ticks[i]), i == run.fireAt);
        }
        EXPECT_FALSE(countdown.Armed());
    }
}

TEST(CountdownTest, DisarmedCountdownNeverRemindsNorFires) {
    Countdown countdown;
    for (std::int64_t remaining : {3, 0, -1}) {
        EXPECT_FALSE(countdown.ReminderDue(remaining, 0));
        EXPECT_FALSE(countdown.FireDue(remaining));
    }
    countdown.Arm(100);
    countdown.Disarm();
    for (std::int64_t remaining : {99, 60, 0, -5}) {
        EXPECT_FALSE(countdown.ReminderDue(remaining, 60));
        EXPECT_FALSE(countdown.FireDue(remaining));
    }
}

}  // namespace
}  // namespace yf
