// The schedule entry and countdown with fake controls, clock, boxes, power calls and reminder.
#include "scheduler/schedule_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_controls.h"

namespace yf {
namespace {

using testing::FakeClock;
using testing::FakeControls;

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

class RecordingBoxes : public MessageBoxes {
  public:
    int Show(std::string_view text, std::string_view caption, unsigned flags) override {
        shown.push_back({std::string(text), std::string(caption), flags});
        if (onShow) onShow();
        return answer;
    }
    std::vector<ShownBox> shown;
    int answer = box::kAnswerOk;
    std::function<void()> onShow;  // runs while the box is "open"
};

struct PowerCall {
    int action;
    bool force;
    bool operator==(const PowerCall&) const = default;
};

class RecordingPower : public PowerActions {
  public:
    bool Perform(int action, bool force) override {
        calls.push_back({action, force});
        return true;
    }
    std::vector<PowerCall> calls;
};

class RecordingReminder : public Reminder {
  public:
    void Remind(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

class ScheduleControllerTest : public ::testing::Test {
  protected:
    ScheduleControllerTest() {
        controls_.SetText(ControlId::透明标签_距离关机, "距离关机：");
        controls_.SetVisible(ControlId::透明标签_距离关机, true);
        controls_.SetText(ControlId::透明标签_秒钟, "00");
        controls_.SetText(ControlId::组合框1, "定时关机");
    }

    void SetTime(const char* hour, const char* minute, const char* second) {
        controls_.SetText(ControlId::透明标签_小时, hour);
        controls_.SetText(ControlId::透明标签_分钟, minute);
        controls_.SetText(ControlId::透明标签_秒钟, second);
    }
    void Start(int index) {
        controls_.Select(index);
        controller_.StartSchedule();
    }
    void TypeLead(const char* text) {
        controls_.SetText(ControlId::编辑框1, text);
        controller_.SetLeadMinutes();
    }
    // One tick `seconds` after the previous one, as the window's timer would deliver it.
    void TickAfter(long long seconds) {
        clock_.Advance(seconds);
        if (controls_.TimerInterval(TimerId::时钟_关机) > 0) controller_.CountdownTick();
    }
    std::string Caption() const { return controls_.Text(ControlId::透明标签_距离关机时间); }

    FakeClock clock_{{2024, 5, 20, 22, 0, 0}};
    FakeControls controls_;
    RecordingBoxes boxes_;
    RecordingPower power_;
    RecordingReminder reminder_;
    ScheduleController controller_{controls_, clock_, boxes_, power_, reminder_};
};

TEST_F(ScheduleControllerTest, SpinnersStepTheirOwnLabelWithItsRange) {
    SetTime("23", "59", "00");
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_小时, +1));
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_分钟, +1));
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_秒钟, -1));
    EXPECT_EQ(controls_.Text(ControlId::透明标签_小时), "00");
    EXPECT_EQ(controls_.Text(ControlId::透明标签_分钟), "00");
    EXPECT_EQ(controls_.Text(ControlId::透明标签_秒钟), "59");
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_小时, -1));
    EXPECT_EQ(controls_.Text(ControlId::透明标签_小时), "23");
    EXPECT_FALSE(controller_.StepSpinner(ControlId::编辑框1, +1));
}

TEST_F(ScheduleControllerTest, LeadIsTheTruncatedNumberAndTheTextIsMirrored) {
    const std::pair<const char*, int> cases[] = {
        {"5", 5},   {"１２", 12}, {"5abc", 5},
        {"", 0},    {"abc", 0},   {"-2", -2},
        {"2.9", 2}, {"-2.9", -2}, {"99999999999", 2147483647},
    };
    for (const auto& [text, minutes] : cases) {
        TypeLead(text);
        EXPECT_EQ(controller_.State().leadMinutes, minutes) << text;
        EXPECT_EQ(controls_.Text(ControlId::透明标签_提醒时间), text);
    }
}

TEST_F(ScheduleControllerTest, ChosenFunctionTextGoesToItsLabel) {
    controls_.SetText(ControlId::组合框1, "直接重启");
    controller_.ShowChosenFunction();
    EXPECT_EQ(controls_.Text(ControlId::透明标签_功能), "直接重启");
}

TEST_F(ScheduleControllerTest, ProposalFillsHourAndMinuteAndKeepsSeconds) {
    clock_.Set({2024, 5, 20, 23, 15, 42});
    controller_.ProposeNextTime();
    EXPECT_EQ(controls_.Text(ControlId::透明标签_小时), "00");
    EXPECT_EQ(controls_.Text(ControlId::透明标签_分钟), "16");
    EXPECT_EQ(controls_.Text(ControlId::透明标签_秒钟), "00");
    // Started without changes the proposal lies in the past today: rejected.
    Start(0);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_FALSE(controller_.Armed());
}

TEST_F(ScheduleControllerTest, TargetEqualToNowIsAcceptedOneSecondEarlierRejected) {
    SetTime("22", "00", "00");
    Start(0);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_TRUE(controller_.Armed());
    EXPECT_EQ(controller_.State().action, 1);
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 20, 22, 0, 0}));
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 1000);

    SetTime("21", "59", "59");
    Start(0);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, "错误：");
    EXPECT_EQ(boxes_.shown[0].text, "错误：指定时间不能小于当前系统时间，请重新设置！");
    EXPECT_EQ(boxes_.shown[0].flags, 0x10u | 0x2000u);
    EXPECT_FALSE(controller_.Armed());
    // The timer, the action and the target keep what the rejected start wrote.
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 1000);
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 20, 21, 59, 59}));
}

TEST_F(ScheduleControllerTest, MalformedOrPastMidnightTimesAreRejected) {
    clock_.Set({2024, 5, 20, 23, 40, 0});
    const char* const times[][3] = {{"00", "10", "00"},
                                    {"24", "00", "00"},
                                    {"23", "60", "00"},
                                    {"", "50", "00"},
                                    {"-1", "50", "00"}};
    for (const auto& time : times) {
        boxes_.shown.clear();
        SetTime(time[0], time[1], time[2]);
        Start(1);
        EXPECT_EQ(boxes_.shown.size(), 1u) << time[0] << ":" << time[1];
        EXPECT_FALSE(controller_.Armed());
    }
}

TEST_F(ScheduleControllerTest, ShutdownShowsItsCountdownEvenWhenRejected) {
    SetTime("21", "00", "00");
    Start(0);
    EXPECT_TRUE(controls_.IsVisible(ControlId::透明标签_距离关机时间));
    EXPECT_EQ(controls_.Text(ControlId::透明标签_距离关机), "距离关机：");
    // The rejected countdown goes on showing the time since the target, and never fires.
    TickAfter(1);
    EXPECT_EQ(Caption(), "-1小时00分-1秒");
    for (int i = 0; i < 5; ++i) TickAfter(1);
    EXPECT_TRUE(power_.calls.empty());
}

TEST_F(ScheduleControllerTest, RestartAndLogoffShowTheirCountdownOnlyWhenAccepted) {
    const std::pair<int, const char*> functions[] = {{1, "距离重启："}, {2, "距离注销："}};
    for (const auto& [index, prefix] : functions) {
        FakeControls fresh;
        fresh.SetText(ControlId::透明标签_距离关机, "距离关机：");
        ScheduleController controller(fresh, clock_, boxes_, power_, reminder_);
        fresh.Select(index);
        fresh.SetText(ControlId::透明标签_小时, "21");
        fresh.SetText(ControlId::透明标签_分钟, "00");
        fresh.SetText(ControlId::透明标签_秒钟, "00");
        controller.StartSchedule();
        EXPECT_FALSE(fresh.IsVisible(ControlId::透明标签_距离关机时间));
        EXPECT_EQ(fresh.Text(ControlId::透明标签_距离关机), "距离关机：");
        EXPECT_EQ(controller.State().action, index + 1);

        fresh.SetText(ControlId::透明标签_小时, "23");
        controller.StartSchedule();
        EXPECT_TRUE(fresh.IsVisible(ControlId::透明标签_距离关机时间));
        EXPECT_EQ(fresh.Text(ControlId::透明标签_距离关机), prefix);
        EXPECT_TRUE(controller.Armed());
    }
}

TEST_F(ScheduleControllerTest, NewStartReplacesTheTargetAndKeepsTheTimerRunning) {
    SetTime("22", "00", "10");
    Start(0);
    SetTime("22", "00", "05");
    Start(2);
    EXPECT_EQ(controls_.TimerStarts(), 1);
    EXPECT_EQ(controller_.State().action, 3);
    for (int i = 0; i < 5; ++i) TickAfter(1);
    EXPECT_EQ(power_.calls, (std::vector<PowerCall>{{3, true}}));
    for (int i = 0; i < 10; ++i) TickAfter(1);
    EXPECT_EQ(power_.calls.size(), 1u);
}

TEST_F(ScheduleControllerTest, CountdownCaptionsTickDownAndStopAtZeroWhenFired) {
    TypeLead("0");
    SetTime("23", "02", "05");
    Start(0);
    TickAfter(0);
    EXPECT_EQ(Caption(), "1小时02分05秒");
    clock_.Set({2024, 5, 20, 23, 1, 5});
    TickAfter(1);
    EXPECT_EQ(Caption(), "0小时00分59秒");
    TickAfter(59);
    EXPECT_EQ(Caption(), "0小时00分00秒");
    EXPECT_EQ(reminder_.texts,
              std::vector<std::string>{"系统将在0分钟后关闭，请注意保存您的资料！"});
    EXPECT_EQ(power_.calls, (std::vector<PowerCall>{{1, true}}));
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
}

TEST_F(ScheduleControllerTest, LateTickAcrossTheTargetFiresOnceShowingZero) {
    TypeLead("0");
    SetTime("22", "00", "03");
    Start(1);
    TickAfter(1);
    TickAfter(5);  // the interface thread was held up across the target second
    EXPECT_EQ(Caption(), "0小时00分00秒");
    EXPECT_EQ(power_.calls, (std::vector<PowerCall>{{2, true}}));
    EXPECT_EQ(reminder_.texts.size(), 1u);
    // A tick already queued before the timer stopped changes nothing.
    controller_.CountdownTick();
    EXPECT_EQ(power_.calls.size(), 1u);
}

TEST_F(ScheduleControllerTest, ClockSetBackDoesNotFireEarly) {
    SetTime("22", "00", "10");
    Start(0);
    TickAfter(5);
    clock_.Set({2024, 5, 20, 21, 59, 0});  // the clock check set the clock back
    for (int i = 0; i < 69; ++i) TickAfter(1);
    EXPECT_TRUE(power_.calls.empty());
    TickAfter(1);
    EXPECT_EQ(power_.calls.size(), 1u);
}

TEST_F(ScheduleControllerTest, RejectedStartAfterAnAcceptedOneNeverFires) {
    SetTime("22", "00", "30");
    Start(1);
    TickAfter(1);
    SetTime("21", "00", "00");
    boxes_.onShow = [this] { TickAfter(1); };  // ticks go on while the error box is open
    Start(1);
    boxes_.onShow = nullptr;
    for (int i = 0; i < 120; ++i) TickAfter(1);
    EXPECT_TRUE(power_.calls.empty());
    EXPECT_TRUE(reminder_.texts.empty());
    EXPECT_TRUE(controls_.IsVisible(ControlId::透明标签_距离关机时间));
    EXPECT_EQ(Caption(), "-1小时-2分-2秒");
}

TEST_F(ScheduleControllerTest, ReminderComesOnceAtTheLeadWithItsText) {
    struct Case {
        const char* lead;
        int startAhead;   // seconds from now to the target
        int remindAfter;  // ticks until the reminder, -1 for none
        const char* text;
    };
    const Case cases[] = {
        {"5", 600, 300, "系统将在5分钟后关闭，请注意保存您的资料！"},
        {"", 120, 60, "系统将在1分钟后关闭，请注意保存您的资料！"},  // empty box: 1 minute
        {"5", 240, -1, ""},                                          // lead above the time left
        {"0", 30, 30, "系统将在0分钟后关闭，请注意保存您的资料！"},
    };
    for (const Case& c : cases) {
        FakeClock clock({2024, 5, 20, 22, 0, 0});
        FakeControls controls;
        RecordingReminder reminder;
        RecordingPower power;
        ScheduleController controller(controls, clock, boxes_, power, reminder);
        controls.SetText(ControlId::编辑框1, c.lead);
        controller.SetLeadMinutes();
        const DateTime target = clock.Now().AddSeconds(c.startAhead);
        controls.SetText(ControlId::透明标签_小时, std::to_string(target.hour));
        controls.SetText(ControlId::透明标签_分钟, std::to_string(target.minute));
        controls.SetText(ControlId::透明标签_秒钟, std::to_string(target.second));
        controller.StartSchedule();
        for (int tick = 1; tick <= c.startAhead; ++tick) {
            clock.Advance(1);
            controller.CountdownTick();
            const bool expected = tick >= c.remindAfter && c.remindAfter >= 0;
            ASSERT_EQ(reminder.texts.size(), expected ? 1u : 0u) << c.lead << " tick " << tick;
        }
        if (c.remindAfter >= 0) {
            EXPECT_EQ(reminder.texts[0], c.text);
        }
        EXPECT_EQ(power.calls.size(), 1u) << c.lead;
        // The mirror label keeps the typed text even when the tick reads an empty box as 1.
        EXPECT_EQ(controls.Text(ControlId::透明标签_提醒时间), c.lead);
    }
}

TEST_F(ScheduleControllerTest, LeadChangedMidCountdownTakesEffectFromTheNextTick) {
    TypeLead("1");
    SetTime("22", "10", "00");
    Start(0);
    TickAfter(1);
    TypeLead("10");  // now above the 599 s left: no reminder at all
    for (int i = 0; i < 100; ++i) TickAfter(1);
    EXPECT_TRUE(reminder_.texts.empty());
    TypeLead("2");  // 499 s left: the reminder comes when 120 s are left
    for (int i = 0; i < 378; ++i) TickAfter(1);
    EXPECT_TRUE(reminder_.texts.empty());
    TickAfter(1);
    EXPECT_EQ(reminder_.texts,
              std::vector<std::string>{"系统将在2分钟后关闭，请注意保存您的资料！"});
}

TEST_F(ScheduleControllerTest, ImmediateFunctionsAskAndActOnlyOnYes) {
    struct Case {
        int index;
        int answer;
        const char* text;
        std::vector<PowerCall> calls;
    };
    const Case cases[] = {
        {3,
         box::kAnswerYes,
         "警告：系统将关闭，请确认文件是否保存，单击是关闭计算机，单击否取消。",
         {{1, true}}},
        {4,
         box::kAnswerYes,
         "警告：系统将重新启动，请确认文件是否保存，单击是重新启动计算机，单击否取消。",
         {{2, true}}},
        {3,
         box::kAnswerNo,
         "警告：系统将关闭，请确认文件是否保存，单击是关闭计算机，单击否取消。",
         {}},
    };
    for (const Case& c : cases) {
        RecordingBoxes boxes;
        RecordingPower power;
        boxes.answer = c.answer;
        ScheduleController controller(controls_, clock_, boxes, power, reminder_);
        controls_.Select(c.index);
        controller.StartSchedule();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].caption, "警告：");
        EXPECT_EQ(boxes.shown[0].text, c.text);
        EXPECT_EQ(boxes.shown[0].flags, 0x34u | 0x2000u);
        EXPECT_EQ(power.calls, c.calls);
        EXPECT_EQ(controller.State().action, 0);
        EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
    }
}

TEST_F(ScheduleControllerTest, RestartNowAnsweredNoLeavesTheCountdownAsItWas) {
    SetTime("22", "00", "20");
    Start(0);
    TickAfter(5);
    boxes_.answer = box::kAnswerNo;
    Start(4);
    EXPECT_TRUE(power_.calls.empty());
    EXPECT_EQ(controller_.State().action, 1);
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 20, 22, 0, 20}));
    for (int i = 0; i < 15; ++i) TickAfter(1);
    EXPECT_EQ(power_.calls, (std::vector<PowerCall>{{1, true}}));
}

TEST_F(ScheduleControllerTest, NoSelectionDoesNothing) {
    controls_.Select(-1);
    controller_.StartSchedule();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
}

}  // namespace
}  // namespace yf
