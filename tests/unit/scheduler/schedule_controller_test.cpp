// The schedule entry and countdown with fake controls, clock, boxes, power calls and reminder.
#include "scheduler/schedule_controller.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_controls.h"

namespace yf {
namespace {

// Every way out of the controller, recorded in one list: "box caption|text|flags",
// "power action force", "remind text"; the stay-awake requests ("hold", "release") and the
// warning ("warn text" at each change, "gone") each in a list of their own.
struct Recorder : MessageBoxes, PowerActions, Reminder, ExecutionState, Warning {
    int Show(std::string_view text, std::string_view caption, unsigned flags) override {
        log.push_back("box " + std::string(caption) + "|" + std::string(text) + "|" +
                      std::to_string(flags));
        if (whileBoxOpen) whileBoxOpen();
        return answer;
    }
    bool Perform(int action, bool force) override {
        log.push_back("power " + std::to_string(action) + (force ? " force" : ""));
        return powerWorks;
    }
    std::string FailureReason() const override { return powerWorks ? "" : "拒绝访问。"; }
    bool Remind(std::string_view text) override {
        log.push_back("remind " + std::string(text));
        return balloonShows;
    }
    void RequireSystem(bool required) override { awake.push_back(required ? "hold" : "release"); }
    void Show(std::string_view text) override {
        if (!warningShown || text != warningText) warnings.push_back("warn " + std::string(text));
        warningShown = true;
        warningText = text;
    }
    void Hide() override {
        if (warningShown) warnings.push_back("gone");
        warningShown = false;
    }

    std::vector<std::string> log;
    std::vector<std::string> awake;
    std::vector<std::string> warnings;
    int answer = box::kAnswerOk;
    bool powerWorks = true;
    bool balloonShows = true;
    bool warningShown = false;
    std::string warningText;
    std::function<void()> whileBoxOpen;
};

const std::string kPastBox = "box 错误：|错误：指定时间不能小于当前系统时间，请重新设置！|8208";

class ScheduleControllerTest : public ::testing::Test {
  protected:
    // Chooses the function and the time, then presses "确定".
    void Start(int index, const char* hour, const char* minute, const char* second) {
        controls_.Select(index);
        controls_.SetText(ControlId::透明标签_小时, hour);
        controls_.SetText(ControlId::透明标签_分钟, minute);
        controls_.SetText(ControlId::透明标签_秒钟, second);
        controller_.StartSchedule();
    }
    void TypeLead(const char* text) {
        controls_.SetText(ControlId::编辑框1, text);
        controller_.SetLeadMinutes();
    }
    // Ticks once a second for `seconds`, while the countdown timer runs.
    void Run(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock_.Advance(1);
            if (controls_.TimerInterval(TimerId::时钟_关机) > 0) controller_.CountdownTick();
        }
    }
    std::string Caption() const { return controls_.Text(ControlId::透明标签_距离关机时间); }

    testing::FakeClock clock_{{2024, 5, 20, 22, 0, 0}};
    testing::FakeControls controls_;
    Recorder out_;
    ScheduleController controller_{controls_, clock_, out_, out_, out_, out_, out_};
};

TEST_F(ScheduleControllerTest, SpinnersLeadAndFunctionReachTheirLabels) {
    controls_.SetText(ControlId::透明标签_小时, "23");
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_小时, +1));
    EXPECT_TRUE(controller_.StepSpinner(ControlId::调节器_秒钟, -1));
    EXPECT_EQ(controls_.Text(ControlId::透明标签_小时) + controls_.Text(ControlId::透明标签_秒钟),
              "0059");
    const std::pair<const char*, int> leads[] = {
        {"１２", 12}, {"5abc", 5}, {"", 0}, {"-2", -2}, {"2.9", 2}, {"99999999999", INT32_MAX}};
    for (const auto& [text, minutes] : leads) {
        TypeLead(text);
        EXPECT_EQ(controller_.State().leadMinutes, minutes) << text;
        EXPECT_EQ(controls_.Text(ControlId::透明标签_提醒时间), text);
    }
    controls_.SetText(ControlId::组合框1, "直接重启");
    controller_.ShowChosenFunction();
    EXPECT_EQ(controls_.Text(ControlId::透明标签_功能), "直接重启");
}

TEST_F(ScheduleControllerTest, ATimeOfDayMeansItsNextOccurrence) {
    struct Case {
        const char* what;
        DateTime now;
        const char *hour, *minute, *second;
        DateTime target;
        const char* caption;  // on the first tick
    };
    const Case cases[] = {
        {"23:40 for 00:10",
         {2024, 5, 20, 23, 40, 0},
         "00",
         "10",
         "00",
         {2024, 5, 21, 0, 10, 0},
         "0小时30分00秒"},
        {"midnight a second ahead",
         {2024, 5, 20, 23, 59, 59},
         "00",
         "00",
         "00",
         {2024, 5, 21, 0, 0, 0},
         "0小时00分01秒"},
        {"the current second",
         {2024, 5, 20, 22, 0, 0},
         "22",
         "00",
         "00",
         {2024, 5, 20, 22, 0, 0},
         "0小时00分00秒"},
        {"a second past is tomorrow's",
         {2024, 5, 20, 12, 0, 1},
         "12",
         "00",
         "00",
         {2024, 5, 21, 12, 0, 0},
         "23小时59分59秒"},
        {"into the new year",
         {2024, 12, 31, 23, 30, 0},
         "00",
         "30",
         "00",
         {2025, 1, 1, 0, 30, 0},
         "1小时00分00秒"},
        {"28 February of a common year",
         {2027, 2, 28, 23, 30, 0},
         "00",
         "30",
         "00",
         {2027, 3, 1, 0, 30, 0},
         "1小时00分00秒"},
        {"28 February of a leap year",
         {2028, 2, 28, 23, 30, 0},
         "00",
         "30",
         "00",
         {2028, 2, 29, 0, 30, 0},
         "1小时00分00秒"},
        {"29 February",
         {2028, 2, 29, 23, 30, 0},
         "7",
         "5",
         "0",
         {2028, 3, 1, 7, 5, 0},
         "7小时35分00秒"},
    };
    for (const Case& c : cases) {
        testing::FakeControls controls;
        Recorder out;
        clock_.Set(c.now);
        ScheduleController controller(controls, clock_, out, out, out, out, out);
        controls.SetText(ControlId::编辑框1, "1");
        controls.SetText(ControlId::透明标签_小时, c.hour);
        controls.SetText(ControlId::透明标签_分钟, c.minute);
        controls.SetText(ControlId::透明标签_秒钟, c.second);
        controller.StartSchedule();
        EXPECT_TRUE(out.log.empty()) << c.what;
        EXPECT_TRUE(controller.Armed()) << c.what;
        EXPECT_EQ(controls.TimerInterval(TimerId::时钟_关机), 1000) << c.what;
        EXPECT_EQ(controller.State().target, c.target) << c.what;
        controller.CountdownTick();
        EXPECT_EQ(controls.Text(ControlId::透明标签_距离关机时间), c.caption) << c.what;
    }
}

TEST_F(ScheduleControllerTest, OnlyATimeThatDoesNotParseIsRefused) {
    clock_.Set({2024, 5, 20, 23, 40, 0});
    for (const char* hour : {"24", "", "1a", "-1"}) {
        out_.log.clear();
        Start(1, hour, "10", "00");
        EXPECT_EQ(out_.log, std::vector<std::string>{kPastBox}) << hour;
        // Nothing was counting, and nothing is now.
        EXPECT_FALSE(controller_.Armed()) << hour;
        EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0) << hour;
        EXPECT_EQ(controller_.State().action, 0) << hour;
    }
}

TEST_F(ScheduleControllerTest, AClockSetBackDuringTheCountKeepsTheTargetMoment) {
    TypeLead("0");
    clock_.Set({2024, 5, 20, 23, 40, 0});
    Start(0, "00", "10", "00");
    Run(60);
    clock_.Set({2024, 5, 20, 23, 0, 0});  // the clock check found it forty minutes fast
    controller_.CountdownTick();
    EXPECT_EQ(Caption(), "1小时10分00秒");
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 21, 0, 10, 0}));
    Run(4199);
    EXPECT_TRUE(out_.log.empty());
    Run(1);
    EXPECT_EQ(out_.log.back(), "power 1 force");
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 21, 0, 10, 0}));
}

TEST_F(ScheduleControllerTest, TheStartUpProposalIsAcceptedAndLiesAhead) {
    const DateTime starts[] = {{2024, 5, 20, 23, 15, 0},
                               {2024, 5, 20, 23, 59, 30},
                               {2024, 5, 20, 12, 59, 59},
                               {2024, 12, 31, 23, 59, 0}};
    for (const DateTime& start : starts) {
        testing::FakeControls controls;
        Recorder out;
        clock_.Set(start);
        ScheduleController controller(controls, clock_, out, out, out, out, out);
        controls.SetText(ControlId::透明标签_秒钟, "00");  // the label's own caption
        controller.ProposeNextTime();
        clock_.Advance(20);  // the user takes a moment before "确定"
        controller.StartSchedule();
        EXPECT_TRUE(out.log.empty()) << start.hour << ":" << start.minute;
        EXPECT_TRUE(controller.Armed()) << start.hour << ":" << start.minute;
        EXPECT_GT(controller.State().target, clock_.Now()) << start.hour << ":" << start.minute;
    }
}

TEST_F(ScheduleControllerTest, OnlyTheShutdownShowsItsCountdownWhenRejected) {
    const char* const prefixes[] = {"距离关机：", "距离重启：", "距离注销："};
    for (int index : {0, 1, 2}) {
        testing::FakeControls controls;
        controls.SetText(ControlId::透明标签_距离关机, "距离关机：");
        ScheduleController controller(controls, clock_, out_, out_, out_, out_, out_);
        controls.Select(index);
        controls.SetText(ControlId::透明标签_小时, "24");
        controls.SetText(ControlId::透明标签_分钟, "00");
        controls.SetText(ControlId::透明标签_秒钟, "00");
        controller.StartSchedule();
        EXPECT_EQ(controls.IsVisible(ControlId::透明标签_距离关机时间), index == 0);
        controls.SetText(ControlId::透明标签_小时, "23");
        controller.StartSchedule();
        EXPECT_TRUE(controls.IsVisible(ControlId::透明标签_距离关机时间));
        EXPECT_EQ(controls.Text(ControlId::透明标签_距离关机), prefixes[index]);
        EXPECT_EQ(controller.State().action, index + 1);
    }
}

TEST_F(ScheduleControllerTest, CountdownShowsTheTimeLeftRemindsAndFiresOnce) {
    TypeLead("0");
    Start(0, "23", "02", "05");
    controller_.CountdownTick();
    EXPECT_EQ(Caption(), "1小时02分05秒");
    Run(3725);
    EXPECT_EQ(Caption(), "0小时00分00秒");
    EXPECT_EQ(out_.log, (std::vector<std::string>{
                            "remind 系统将在0分钟后关闭，请注意保存您的资料！", "power 1 force"}));
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
    controller_.CountdownTick();  // a tick queued before the timer stopped
    EXPECT_EQ(out_.log.size(), 2u);
}

TEST_F(ScheduleControllerTest, EmptyLeadBoxRemindsAtOneMinuteAndKeepsItsMirror) {
    Start(1, "22", "02", "00");
    Run(59);
    EXPECT_TRUE(out_.log.empty());
    Run(1);
    EXPECT_EQ(out_.log,
              std::vector<std::string>{"remind 系统将在1分钟后重新启动，请注意保存您的资料！"});
    EXPECT_EQ(controls_.Text(ControlId::透明标签_提醒时间), "");
}

TEST_F(ScheduleControllerTest, LeadRaisedAboveTheTimeLeftGivesNoReminder) {
    TypeLead("1");
    Start(2, "22", "10", "00");
    Run(1);
    TypeLead("10");
    Run(598);
    EXPECT_EQ(out_.log, std::vector<std::string>{});
    Run(1);
    EXPECT_EQ(out_.log, std::vector<std::string>{"power 3 force"});
}

TEST_F(ScheduleControllerTest, LoweringTheLeadAfterItsReminderGivesTheLowerOneToo) {
    TypeLead("5");
    Start(2, "22", "10", "00");
    Run(300);
    TypeLead("1");
    Run(240);
    EXPECT_EQ(out_.log,
              (std::vector<std::string>{"remind 系统将在5分钟后注销，请注意保存您的资料！",
                                        "remind 系统将在1分钟后注销，请注意保存您的资料！"}));
    Run(60);
    EXPECT_EQ(out_.log.back(), "power 3 force");
}

TEST_F(ScheduleControllerTest, ATickUpToAMinuteLateActsAtOnce) {
    TypeLead("0");
    Start(1, "22", "10", "00");
    Run(1);
    clock_.Set({2024, 5, 20, 22, 11, 0});
    controller_.CountdownTick();
    EXPECT_EQ(out_.log,
              (std::vector<std::string>{"remind 系统将在0分钟后重新启动，请注意保存您的资料！",
                                        "power 2 force"}));
    EXPECT_EQ(Caption(), "0小时00分00秒");
}

TEST_F(ScheduleControllerTest, WakingLongAfterTheTargetGivesAMinuteWithTheReminderFirst) {
    TypeLead("5");
    Start(0, "22", "10", "00");
    Run(1);
    clock_.Set({2024, 5, 21, 8, 0, 0});  // the laptop slept through the night
    controller_.CountdownTick();
    EXPECT_EQ(out_.log,
              std::vector<std::string>{"remind 系统将在1分钟后关闭，请注意保存您的资料！"});
    EXPECT_EQ(Caption(), "0小时01分00秒");
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 21, 8, 1, 0}));
    Run(30);
    clock_.Set({2024, 5, 21, 7, 50, 30});  // and the clock is set back ten minutes
    controller_.CountdownTick();
    EXPECT_EQ(Caption(), "0小时10分30秒");
    Run(629);
    EXPECT_EQ(out_.log.size(), 1u);  // neither early nor a second reminder at five minutes
    Run(1);
    EXPECT_EQ(out_.log.back(), "power 1 force");
    EXPECT_EQ(out_.log.size(), 2u);
}

TEST_F(ScheduleControllerTest, ARefusedStartLeavesTheRunningCountdownAsItWas) {
    TypeLead("0");
    Start(1, "22", "00", "30");
    Run(1);
    const ScheduleState before = controller_.State();
    const int timerStarts = controls_.TimerStarts();
    const std::string prefix = controls_.Text(ControlId::透明标签_距离关机);
    out_.whileBoxOpen = [this] { Run(1); };  // the timer ticks on while the box is open
    Start(0, "24", "00", "00");              // the shutdown, with an hour that does not parse
    out_.whileBoxOpen = nullptr;
    EXPECT_EQ(out_.log, std::vector<std::string>{kPastBox});
    EXPECT_TRUE(controller_.Armed());
    EXPECT_EQ(controller_.State().action, before.action);
    EXPECT_EQ(controller_.State().target, before.target);
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 1000);
    EXPECT_EQ(controls_.TimerStarts(), timerStarts);
    EXPECT_EQ(controls_.Text(ControlId::透明标签_距离关机), prefix);
    EXPECT_EQ(Caption(), "0小时00分28秒");
    Run(28);
    EXPECT_EQ(out_.log.back(), "power 2 force");
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 20, 22, 0, 30}));
}

TEST_F(ScheduleControllerTest, ImmediateFunctionsAskAndActOnlyOnYesLeavingTheCountdown) {
    Start(0, "22", "00", "20");
    Run(5);
    out_.answer = box::kAnswerNo;
    Start(4, "", "", "");
    out_.answer = box::kAnswerYes;
    Start(3, "", "", "");
    EXPECT_EQ(
        out_.log,
        (std::vector<std::string>{
            "box 警告：|警告：系统将重新启动，请确认文件是否保存，单击是重新启动计算机，"
            "单击否取消。|8244",
            "box 警告：|警告：系统将关闭，请确认文件是否保存，单击是关闭计算机，单击否取消。|8244",
            "power 1 force"}));
    out_.log.clear();
    Run(15);  // the countdown went on as it was
    EXPECT_EQ(out_.log, std::vector<std::string>{"power 1 force"});
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 20, 22, 0, 20}));
}

// A controller of its own with its clock and controls, so a case can end it as the program's
// end does; its ways out go to a recorder that outlives it.
struct Bench {
    explicit Bench(Recorder& recorder) : out(recorder) {}
    void Start(int index, const char* hour, const char* minute, const char* second) {
        controls.Select(index);
        controls.SetText(ControlId::透明标签_小时, hour);
        controls.SetText(ControlId::透明标签_分钟, minute);
        controls.SetText(ControlId::透明标签_秒钟, second);
        controller.StartSchedule();
    }
    void Run(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            if (controls.TimerInterval(TimerId::时钟_关机) > 0) controller.CountdownTick();
        }
    }
    testing::FakeClock clock{{2024, 5, 20, 22, 0, 0}};
    testing::FakeControls controls;
    Recorder& out;
    ScheduleController controller{controls, clock, out, out, out, out, out};
};

TEST(ScheduleStayAwakeTest, HeldFromAnAcceptedStartAndReleasedOnceOnEveryPath) {
    using Log = std::vector<std::string>;
    struct Case {
        const char* path;
        std::function<void(Bench&)> act;
        Log whileRunning;  // after the act, the controller still there
        Log atTheEnd;      // once the controller has gone with the program
    };
    const Log held{"hold"};
    const Log once{"hold", "release"};
    const Case cases[] = {
        {"fired", [](Bench& b) { b.Run(30); }, once, once},
        {"cancelled",
         [](Bench& b) {
             b.Run(5);
             b.controller.CancelTimed();
             b.controller.CancelTimed();
         },
         once, once},
        {"postponed",
         [](Bench& b) {
             b.Run(20);
             b.controller.Postpone();
             b.Run(20);
         },
         held, once},
        {"postponed, then fired",
         [](Bench& b) {
             b.Run(20);
             b.controller.Postpone();
             b.Run(610);
         },
         once, once},
        {"replaced by a new start",
         [](Bench& b) {
             b.Run(2);
             b.Start(2, "23", "00", "00");
         },
         {"hold", "release", "hold"},
         {"hold", "release", "hold", "release"}},
        {"a refused start", [](Bench& b) { b.Start(1, "24", "00", "00"); }, held, once},
        {"the action refused",
         [](Bench& b) {
             b.out.powerWorks = false;
             b.Run(30);
         },
         once, once},
        {"the program ends while counting", [](Bench& b) { b.Run(10); }, held, once},
    };
    for (const Case& c : cases) {
        Recorder out;
        {
            Bench bench(out);
            bench.controls.SetText(ControlId::编辑框1, "0");
            bench.Start(0, "22", "00", "30");
            EXPECT_EQ(out.awake, held) << c.path;
            c.act(bench);
            EXPECT_EQ(out.awake, c.whileRunning) << c.path;
        }
        EXPECT_EQ(out.awake, c.atTheEnd) << c.path;
    }
    // An exception that unwinds past the controller (caught further out, no crash) releases too.
    Recorder out;
    try {
        Bench bench(out);
        bench.Start(0, "22", "00", "30");
        throw std::runtime_error("start-up failed further on");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(out.awake, once);
}

TEST_F(ScheduleControllerTest, TheWarningStandsForTheLastMinuteAndGoesWhenTheActionFires) {
    TypeLead("0");
    Start(2, "22", "02", "00");
    Run(59);
    EXPECT_TRUE(out_.warnings.empty());
    Run(1);
    EXPECT_EQ(out_.warnings, std::vector<std::string>{"warn 系统将在60秒后注销"});
    Run(59);
    EXPECT_EQ(out_.warnings.size(), 60u);
    EXPECT_EQ(out_.warnings.back(), "warn 系统将在1秒后注销");
    EXPECT_TRUE(out_.log.empty());
    Run(1);
    EXPECT_EQ(out_.warnings.back(), "gone");
    EXPECT_EQ(out_.log.back(), "power 3 force");
    // The other actions' words.
    EXPECT_EQ(WarningText(power::kShutdown, 7), "系统将在7秒后关闭");
    EXPECT_EQ(WarningText(power::kRestart, 7), "系统将在7秒后重新启动");
}

TEST_F(ScheduleControllerTest, PostponeMovesTheTargetTenMinutesAndRemindsAgain) {
    TypeLead("5");
    Start(0, "22", "10", "00");
    Run(300);
    EXPECT_EQ(out_.log,
              std::vector<std::string>{"remind 系统将在5分钟后关闭，请注意保存您的资料！"});
    Run(260);
    ASSERT_EQ(out_.warnings.size(), 21u);  // 60 down to 40
    EXPECT_EQ(out_.warnings.back(), "warn 系统将在40秒后关闭");
    controller_.Postpone();
    EXPECT_EQ(out_.warnings.back(), "gone");
    EXPECT_EQ(controller_.State().target, (DateTime{2024, 5, 20, 22, 20, 0}));
    EXPECT_EQ(Caption(), "0小时10分40秒");
    Run(340);
    EXPECT_EQ(out_.log.back(), "remind 系统将在5分钟后关闭，请注意保存您的资料！");
    EXPECT_EQ(out_.log.size(), 2u);
    EXPECT_EQ(out_.warnings.size(), 22u) << "no warning before the new last minute";
    Run(240);
    EXPECT_EQ(out_.warnings.back(), "warn 系统将在60秒后关闭");
    Run(60);
    EXPECT_EQ(out_.log.back(), "power 1 force");
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 20, 22, 20, 0}));
}

TEST_F(ScheduleControllerTest, PostponePastMidnightAndDuringTheAddedMinute) {
    TypeLead("0");
    clock_.Set({2024, 12, 31, 23, 59, 0});
    Start(1, "23", "59", "50");
    Run(20);
    controller_.Postpone();
    EXPECT_EQ(controller_.State().target, (DateTime{2025, 1, 1, 0, 9, 50}));
    EXPECT_EQ(Caption(), "0小时10分30秒");
    Run(629);
    EXPECT_TRUE(out_.log.size() <= 1u);  // at most the reminder of lead 0, on the firing tick
    Run(1);
    EXPECT_EQ(out_.log.back(), "power 2 force");

    // Waking long after the target gives the added minute, warned at once; postponed from it.
    out_.log.clear();
    out_.warnings.clear();
    TypeLead("5");
    Start(0, "08", "00", "00");
    clock_.Set({2025, 1, 1, 9, 30, 0});
    controller_.CountdownTick();
    EXPECT_EQ(out_.warnings, std::vector<std::string>{"warn 系统将在60秒后关闭"});
    Run(10);
    controller_.Postpone();
    EXPECT_EQ(controller_.State().target, (DateTime{2025, 1, 1, 9, 41, 0}));
    EXPECT_EQ(Caption(), "0小时10分50秒");
    Run(350);
    EXPECT_EQ(out_.log.back(), "remind 系统将在5分钟后关闭，请注意保存您的资料！");
    Run(300);
    EXPECT_EQ(out_.log.back(), "power 1 force");
    EXPECT_EQ(clock_.Now(), (DateTime{2025, 1, 1, 9, 41, 0}));
}

TEST_F(ScheduleControllerTest, CancelStopsEverythingAndANewStartCountsAgain) {
    TypeLead("0");
    Start(0, "22", "00", "50");
    Run(20);
    controller_.CancelTimed();
    EXPECT_EQ(Caption(), "已取消");
    EXPECT_EQ(out_.warnings.size(), 21u);  // 49 down to 30, then gone
    EXPECT_EQ(out_.warnings.back(), "gone");
    EXPECT_FALSE(controller_.Armed());
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
    EXPECT_EQ(controller_.State().action, 0);
    controller_.CountdownTick();  // a tick queued before the timer stopped
    for (int i = 0; i < 120; ++i) clock_.Advance(1), controller_.CountdownTick();
    EXPECT_EQ(Caption(), "已取消");
    EXPECT_TRUE(out_.log.empty());
    controller_.Postpone();  // from a warning that is gone: nothing
    EXPECT_FALSE(controller_.Armed());

    Start(1, "22", "03", "00");
    EXPECT_TRUE(controller_.Armed());
    Run(39);
    EXPECT_TRUE(out_.log.empty());
    Run(1);
    EXPECT_EQ(out_.log,
              (std::vector<std::string>{"remind 系统将在0分钟后重新启动，请注意保存您的资料！",
                                        "power 2 force"}));
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 20, 22, 3, 0}));
}

TEST_F(ScheduleControllerTest, ARefusedActionSaysSoAndLeavesTheStateIdle) {
    TypeLead("0");
    out_.powerWorks = false;
    Start(0, "22", "00", "10");
    out_.whileBoxOpen = [this] { Run(3); };  // ticks that come while the box is open
    Run(10);
    const std::string refused = "box 错误：|错误：关机未能执行。系统给出的原因：拒绝访问。|8208";
    EXPECT_EQ(out_.log,
              (std::vector<std::string>{"remind 系统将在0分钟后关闭，请注意保存您的资料！",
                                        "power 1 force", refused}));
    EXPECT_EQ(Caption(), "执行失败");
    EXPECT_FALSE(controller_.Armed());
    EXPECT_EQ(controller_.State().action, 0);
    EXPECT_EQ(controls_.TimerInterval(TimerId::时钟_关机), 0);
    controller_.CancelTimed();  // nothing counts down: the caption keeps saying what happened
    EXPECT_EQ(Caption(), "执行失败");

    // An immediate action says so too, and leaves a running countdown to its own end.
    out_.whileBoxOpen = nullptr;
    out_.log.clear();
    Start(1, "22", "01", "00");
    out_.answer = box::kAnswerYes;
    Start(4, "", "", "");
    EXPECT_EQ(out_.log.back(),
              "box 错误：|错误：重新启动未能执行。系统给出的原因：拒绝访问。|8208");
    EXPECT_TRUE(controller_.Armed());
    EXPECT_EQ(PowerFailureText(power::kLogoff, ""), "错误：注销未能执行。");
}

TEST_F(ScheduleControllerTest, ABalloonThatCannotShowIsReplacedByTheWarning) {
    TypeLead("5");
    out_.balloonShows = false;
    Start(0, "22", "10", "00");
    Run(299);
    EXPECT_TRUE(out_.warnings.empty());
    Run(1);
    ASSERT_EQ(out_.warnings, std::vector<std::string>{"warn 系统将在300秒后关闭"});
    Run(100);
    EXPECT_EQ(out_.warnings.back(), "warn 系统将在200秒后关闭");
    controller_.Postpone();  // the balloon's reminder comes again, shown this time
    out_.balloonShows = true;
    Run(599);
    EXPECT_EQ(out_.warnings.back(), "gone");
    Run(1);
    EXPECT_EQ(out_.log.back(), "remind 系统将在5分钟后关闭，请注意保存您的资料！");
    EXPECT_EQ(out_.warnings.back(), "gone");
}

}  // namespace
}  // namespace yf
