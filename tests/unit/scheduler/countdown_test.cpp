// The pure rules of the scheduler: time-field steps, the start-up proposal, countdown captions,
// the armed trigger with its once-only reminder, and the ExitWindowsEx flags.
#include "scheduler/countdown.h"

#include <gtest/gtest.h>

#include "scheduler/power_action.h"
#include "scheduler/time_fields.h"

namespace yf {
namespace {

TEST(SchedulerRulesTest, SpinnerStepsWrapAndKeepTwoDigits) {
    struct Case {
        const char* caption;
        int max, direction;
        std::optional<std::string> expected;
    };
    const Case cases[] = {{"59", 59, +1, "00"}, {"00", 59, -1, "59"},       {"23", 23, +1, "00"},
                          {"00", 23, -1, "23"}, {"9", 59, +1, "10"},        {"9", 59, -1, "08"},
                          {"", 59, +1, "01"},   {"abc", 23, -1, "23"},      {"６0", 59, +1, "00"},
                          {"5x", 23, -1, "04"}, {"17", 23, 0, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(SteppedCaption(c.caption, c.max, c.direction), c.expected)
            << c.caption << " by " << c.direction;
    }
}

TEST(SchedulerRulesTest, ProposalIsTheNextHourAndTheNextMinute) {
    const std::pair<DateTime, const char*> cases[] = {{{2024, 3, 1, 16, 29, 10}, "17:30"},
                                                      {{2024, 3, 1, 23, 15, 0}, "00:16"},
                                                      {{2024, 3, 1, 10, 59, 0}, "11:00"}};
    for (const auto& [now, expected] : cases) {
        const ProposedTime proposal = ProposeNextHourAndMinute(now);
        EXPECT_EQ(proposal.hour + ":" + proposal.minute, expected);
    }
}

TEST(SchedulerRulesTest, RemainingCaptionSplitsHoursMinutesSeconds) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {3725, "1小时02分05秒"},   {59, "0小时00分59秒"},   {0, "0小时00分00秒"},
        {90000, "25小时00分00秒"}, {-59, "0小时00分-59秒"}, {-3725, "-1小时-2分-5秒"}};
    for (const auto& [remaining, caption] : cases) EXPECT_EQ(RemainingCaption(remaining), caption);
    EXPECT_EQ(ReminderText(2, 1), "系统将在1分钟后重新启动，请注意保存您的资料！");
    EXPECT_EQ(ReminderText(3, 0), "系统将在0分钟后注销，请注意保存您的资料！");
}

TEST(SchedulerRulesTest, ArmedCountdownRemindsAndFiresOnceEvenOnLateTicks) {
    struct Run {
        std::int64_t atStart, lead;
        std::vector<std::int64_t> ticks;  // remaining seconds seen by consecutive ticks
        int remindAt, fireAt;             // tick indices, -1 for never
    };
    const Run runs[] = {
        {5, 0, {4, 3, 2, 1, 0, -1}, 4, 4},    // lead 0: reminder and action together
        {10, 3, {9, 8, 7, 1, -4, -5}, 3, 4},  // a tick 5 s late jumps across the target
        {10, 3, {9, -1, -2}, 1, 1},           // one jump across lead and target
        {2, 60, {1, 0}, -1, 1},               // lead already above the time left
        {10, 3, {9, 3, 20, 3, 1, 0}, 1, 5},   // clock set back: no early fire, one reminder
        {0, 0, {-1, -2}, -1, 0},              // target equal to the start second
    };
    for (const Run& run : runs) {
        Countdown countdown;
        countdown.Arm(run.atStart);
        for (int i = 0; i < static_cast<int>(run.ticks.size()); ++i) {
            EXPECT_EQ(countdown.ReminderDue(run.ticks[i], run.lead), i == run.remindAt) << i;
            EXPECT_EQ(countdown.FireDue(run.ticks[i]), i == run.fireAt) << i;
        }
    }
    Countdown rejected;
    rejected.Arm(100);
    rejected.Disarm();
    EXPECT_FALSE(rejected.ReminderDue(60, 60) || rejected.FireDue(0) || rejected.FireDue(-5));
}

TEST(SchedulerRulesTest, ExitWindowsFlagsByActionForceAndFamily) {
    EXPECT_EQ(ExitWindowsFlags(1, true, true), 0x8u | 0x4u);
    EXPECT_EQ(ExitWindowsFlags(1, false, false), 0x1u);
    EXPECT_EQ(ExitWindowsFlags(2, true, true), 0x2u | 0x4u);
    EXPECT_EQ(ExitWindowsFlags(3, false, true), 0x0u);
    for (int code : {0, 6}) EXPECT_FALSE(IsPowerAction(code));
}

}  // namespace
}  // namespace yf
