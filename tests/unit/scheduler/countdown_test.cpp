// The pure rules of the scheduler: time-field steps, the start-up proposal, countdown captions,
// the armed trigger with its late-tick rule and per-lead reminders, and the ExitWindowsEx flags.
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
        const char* what;
        std::int64_t atStart;
        int lead;                         // minutes
        std::vector<std::int64_t> ticks;  // seconds left, as consecutive ticks see them
        int remindAt, fireAt;             // tick indices, -1 for never
        int retargetAt = -1;
    };
    const Run runs[] = {
        {"lead 0: reminder and action together", 5, 0, {4, 3, 2, 1, 0, -1}, 4, 4},
        {"a late tick crosses the lead", 600, 3, {599, 540, 420, 60, 1, 0}, 3, 5},
        {"a 5 s late tick jumps the target", 600, 3, {599, 200, 170, -5, -6}, 2, 3},
        {"one jump across lead and target", 600, 3, {599, -1, -2}, 1, 1},
        {"59 s late acts", 600, 3, {599, -59}, 1, 1},
        {"60 s late acts", 600, 3, {599, 100, -60}, 1, 2},
        {"lead above the time left", 2, 60, {1, 0}, -1, 1},
        {"clock set back: no early fire, one reminder", 600, 3, {599, 180, 1200, 180, 60, 0}, 1, 5},
        {"target equal to the start second", 0, 0, {-1, -2}, -1, 0},
        // After a retarget the ticks see the time left until the moved target.
        {"61 s late: a minute more, reminded at once", 600, 3, {599, -61, 59, 1, 0}, 1, 4, 1},
        {"slept past lead and target", 600, 5, {599, -36000, 30, 0}, 1, 3, 1},
        {"jump back in the added minute", 600, 3, {599, -61, 59, 659, 300, 180, 2, 0}, 1, 7, 1},
    };
    for (const Run& run : runs) {
        Countdown countdown;
        countdown.Arm(run.atStart);
        for (int i = 0; i < static_cast<int>(run.ticks.size()); ++i) {
            const Countdown::Step step = countdown.Tick(run.ticks[i], run.lead);
            EXPECT_EQ(step.remindMinutes.has_value(), i == run.remindAt) << run.what << " " << i;
            EXPECT_EQ(step.fire, i == run.fireAt) << run.what << " " << i;
            EXPECT_EQ(step.retarget, i == run.retargetAt) << run.what << " " << i;
            if (step.remindMinutes) {
                EXPECT_EQ(*step.remindMinutes, step.retarget ? 1 : run.lead) << run.what;
            }
        }
        EXPECT_FALSE(countdown.Armed()) << run.what;
    }
    Countdown rejected;
    rejected.Arm(100);
    rejected.Disarm();
    for (std::int64_t left : {60, 0, -5, -500}) {
        const Countdown::Step step = rejected.Tick(left, 1);
        EXPECT_FALSE(step.remindMinutes || step.fire || step.retarget) << left;
    }
}

TEST(SchedulerRulesTest, EachLeadValueRemindsOncePerStart) {
    // (seconds left, lead minutes) per tick, and the minutes of the reminder that tick gives.
    struct TickCase {
        std::int64_t left;
        int lead;
        std::optional<int> reminds;
    };
    const TickCase ticks[] = {
        {301, 5, {}}, {300, 5, 5},   // the 5-minute reminder
        {200, 1, {}}, {60, 1, 1},    // lowered after it: the 1-minute one as well
        {400, 5, {}}, {299, 5, {}},  // clock set back across 5 minutes: not again
        {100, 1, {}}, {59, 1, {}},   // nor across 1 minute
        {130, 2, {}}, {120, 2, 2},   // a lead not used before still reminds
    };
    Countdown countdown;
    countdown.Arm(400);
    for (const TickCase& tick : ticks) {
        EXPECT_EQ(countdown.Tick(tick.left, tick.lead).remindMinutes, tick.reminds)
            << tick.left << " s, lead " << tick.lead;
    }
    countdown.Arm(400);  // a new start reminds afresh
    EXPECT_EQ(countdown.Tick(300, 5).remindMinutes, 5);
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
