// The schedule entry as the window delivers it: real spinner presses, typing, list choices and
// the "确定" button reach the scheduler, and the real countdown timer ticks until the recorded
// power call. The clock runs at real speed from a chosen time, or jumps where a test moves it:
// waking from sleep and a clock change run the countdown at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "calendar/calendar_panel.h"
#include "core/wide_text_win.h"
#include "support/message_pump.h"

namespace yf {
namespace {

class RunningClock : public Clock {
  public:
    DateTime Now() const override {
        return DateTime{2024, 5, 20, 21, 59, 57}.AddSeconds(
            static_cast<std::int64_t>((::GetTickCount64() - start_) / 1000));
    }
    DateTime NowUtc() const override { return Now().AddHours(-8); }

  private:
    ULONGLONG start_ = ::GetTickCount64();
};

struct Recorder : MessageBoxes, PowerActions {
    int Show(std::string_view text, std::string_view caption, unsigned) override {
        log.push_back(std::string(caption) + std::string(text));
        return box::kAnswerNo;
    }
    bool Perform(int action, bool force) override {
        log.push_back("power " + std::to_string(action) + (force ? " force" : ""));
        return true;
    }
    std::vector<std::string> log;
};

class ScheduleWiringTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(window_.Create()); }
    void TearDown() override { ::DestroyWindow(window_.Handle()); }

    HWND Control(ControlId id) const { return window_.Control(id); }
    std::string Text(ControlId id) const { return WindowText(Control(id)); }
    void SetText(ControlId id, const wchar_t* text) { ::SetWindowTextW(Control(id), text); }
    // Presses the upper or lower half of a spinner as the mouse would.
    void Press(ControlId spinner, bool up) {
        RECT client;
        ::GetClientRect(Control(spinner), &client);
        const LPARAM at =
            MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        ::SendMessageW(Control(spinner), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(Control(spinner), WM_LBUTTONUP, 0, at);
    }

    RunningClock clock_;
    Recorder out_;
    MainWindow window_{::GetModuleHandleW(nullptr), clock_, WindowSeams{&out_, &out_}};
};

TEST_F(ScheduleWiringTest, SpinnersTypingAndTheListReachTheirLabels) {
    SetText(ControlId::透明标签_小时, L"23");
    Press(ControlId::调节器_小时, true);
    Press(ControlId::调节器_分钟, false);
    Press(ControlId::调节器_秒钟, false);
    EXPECT_EQ(Text(ControlId::透明标签_小时) + Text(ControlId::透明标签_分钟) +
                  Text(ControlId::透明标签_秒钟),
              "002959");
    SetText(ControlId::编辑框1, L"15");
    EXPECT_EQ(window_.Scheduler().State().leadMinutes, 15);
    EXPECT_EQ(Text(ControlId::透明标签_提醒时间), "15");

    HWND list = Control(ControlId::组合框1);
    ::SendMessageW(list, CB_SETCURSEL, 2, 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(Text(ControlId::透明标签_功能), "定时注销");
    window_.ShowAfterStartUp();
    ::SendMessageW(list, CB_SETCURSEL, 4, 0);  // no notification: only the focus change tells
    ::SetFocus(list);
    ::SetFocus(Control(ControlId::编辑框1));
    EXPECT_EQ(Text(ControlId::透明标签_功能), "直接重启");
}

TEST_F(ScheduleWiringTest, OkButtonStartsTheCountdownThatFiresOnTheTargetSecond) {
    SetText(ControlId::编辑框1, L"0");
    SetText(ControlId::透明标签_小时, L"22");
    SetText(ControlId::透明标签_分钟, L"00");
    ::SendMessageW(Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
    EXPECT_TRUE(window_.IsVisible(ControlId::透明标签_距离关机时间));
    std::vector<std::string> captions;
    ASSERT_TRUE(testing::PumpUntil(
        [&] {
            const std::string caption = Text(ControlId::透明标签_距离关机时间);
            if (captions.empty() || captions.back() != caption) captions.push_back(caption);
            return !out_.log.empty();
        },
        8000));
    EXPECT_EQ(out_.log, std::vector<std::string>{"power 1 force"});
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 20, 22, 0, 0}));
    EXPECT_EQ(window_.TimerInterval(TimerId::时钟_关机), 0);
    // Counted down second by second; lead 0 gave the reminder on the same tick.
    ASSERT_GE(captions.size(), 3u);
    EXPECT_EQ(captions[captions.size() - 2], "0小时00分01秒");
    EXPECT_EQ(captions.back(), "0小时00分00秒");
    EXPECT_TRUE(window_.Balloon()->IsShown());
}

// A clock that stands still until the test moves it.
class JumpingClock : public Clock {
  public:
    DateTime Now() const override { return now; }
    DateTime NowUtc() const override { return now.AddHours(-8); }
    DateTime now{2024, 5, 20, 22, 0, 0};
};

TEST(ScheduleWakeTest, ResumeAndClockChangeRunTheCountdownAtOnce) {
    struct Case {
        const char* what;
        UINT message;
        WPARAM event;
        int secondsLate;
        std::vector<std::string> log;
        const char* caption;  // "--": no tick ran
        bool balloon;
    };
    const Case cases[] = {
        {"clock set 30 s past the target",
         WM_TIMECHANGE,
         0,
         30,
         {"power 1 force"},
         "0小时00分00秒",
         true},
        {"clock set 10 min past", WM_TIMECHANGE, 0, 600, {}, "0小时01分00秒", true},
        {"woken by a timer 10 min past",
         WM_POWERBROADCAST,
         PBT_APMRESUMEAUTOMATIC,
         600,
         {},
         "0小时01分00秒",
         true},
        {"woken by the user",
         WM_POWERBROADCAST,
         PBT_APMRESUMESUSPEND,
         600,
         {},
         "0小时01分00秒",
         true},
        {"going to sleep", WM_POWERBROADCAST, PBT_APMSUSPEND, 600, {}, "--", false},
        {"power source changed", WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 600, {}, "--", false},
    };
    for (const Case& c : cases) {
        JumpingClock clock;
        Recorder out;
        MainWindow window(::GetModuleHandleW(nullptr), clock, WindowSeams{&out, &out});
        ASSERT_TRUE(window.Create());
        window.SetText(ControlId::透明标签_小时, "22");
        window.SetText(ControlId::透明标签_分钟, "10");
        ::SendMessageW(window.Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
        ASSERT_TRUE(window.Scheduler().Armed()) << c.what;
        window.SetText(ControlId::透明标签_距离关机时间, "--");
        clock.now = DateTime{2024, 5, 20, 22, 10, 0}.AddSeconds(c.secondsLate);
        // No message loop runs: only the notification itself can have ticked.
        ::SendMessageW(window.Handle(), c.message, c.event, 0);
        EXPECT_EQ(out.log, c.log) << c.what;
        EXPECT_EQ(window.Text(ControlId::透明标签_距离关机时间), c.caption) << c.what;
        EXPECT_EQ(window.Balloon()->IsShown(), c.balloon) << c.what;
        const bool ticked = std::string(c.caption) != "--";
        EXPECT_EQ(window.Text(ControlId::透明标签_现在时间) == ClockText(clock.now), ticked)
            << c.what;
        ::DestroyWindow(window.Handle());
    }
}

struct AwakeLog : ExecutionState {
    void RequireSystem(bool required) override { log.push_back(required ? "hold" : "release"); }
    std::vector<std::string> log;
};

// user32's suspend and resume registration, recorded: the calls take no context, so the record
// is the test's.
std::vector<std::string> g_registrations;
HANDLE g_recipient = nullptr;
void* const kRegistration = reinterpret_cast<void*>(0x5157);
void* WINAPI RecordRegister(HANDLE recipient, DWORD flags) {
    g_recipient = recipient;
    g_registrations.push_back("register " + std::to_string(flags));
    return kRegistration;
}
BOOL WINAPI RecordUnregister(void* registration) {
    g_registrations.push_back(registration == kRegistration ? "unregister" : "unregister?");
    return TRUE;
}

std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        texts.push_back(Narrow(text));
    }
    return texts;
}

TEST(ScheduleWarningWiringTest, WarningTrayItemAndStayingAwakeFollowTheCountdown) {
    JumpingClock clock;
    Recorder out;
    AwakeLog awake;
    g_registrations.clear();
    WindowSeams seams{&out, &out};
    seams.executionState = &awake;
    seams.suspendResume = SuspendResumeCalls{&RecordRegister, &RecordUnregister};
    {
        MainWindow window(::GetModuleHandleW(nullptr), clock, std::move(seams));
        ASSERT_TRUE(window.Create());
        EXPECT_TRUE(window.SuspendResumeRegistered());
        EXPECT_EQ(g_recipient, window.Handle());
        EXPECT_EQ(g_registrations, std::vector<std::string>{"register 0"});  // as WM_POWERBROADCAST
        const auto openMenu = [&] {
            ::SendMessageW(window.Handle(), WM_INITMENUPOPUP,
                           reinterpret_cast<WPARAM>(window.TrayMenuHandle()), 0);
            return MenuTexts(window.TrayMenuHandle());
        };
        const std::vector<std::string> idleMenu = openMenu();
        ASSERT_EQ(idleMenu.size(), 8u);

        window.SetText(ControlId::编辑框1, "0");
        window.SetText(ControlId::透明标签_小时, "22");
        window.SetText(ControlId::透明标签_分钟, "01");
        ::SendMessageW(window.Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
        EXPECT_EQ(awake.log, std::vector<std::string>{"hold"});
        std::vector<std::string> countingMenu = idleMenu;
        countingMenu.insert(countingMenu.end() - 1, "取消定时任务");
        EXPECT_EQ(openMenu(), countingMenu);

        // Fifty seconds left: the warning stands, with the time left as its text.
        clock.now = {2024, 5, 20, 22, 0, 10};
        ::SendMessageW(window.Handle(), WM_TIMECHANGE, 0, 0);
        const WarningWindow& warning = window.WarningPopup();
        ASSERT_TRUE(warning.IsShown());
        EXPECT_TRUE(::IsWindowVisible(warning.Handle()));
        EXPECT_EQ(WindowText(warning.Handle()), "系统将在50秒后关闭");

        // "推迟10分钟": ten minutes more, the warning gone until the new last minute, still awake.
        ::SendMessageW(warning.Button(WarningWindow::kPostponeId), BM_CLICK, 0, 0);
        EXPECT_EQ(window.Scheduler().State().target, (DateTime{2024, 5, 20, 22, 11, 0}));
        EXPECT_EQ(window.Text(ControlId::透明标签_距离关机时间), "0小时10分50秒");
        EXPECT_FALSE(::IsWindowVisible(warning.Handle()));
        EXPECT_EQ(awake.log, std::vector<std::string>{"hold"});

        // The tray item cancels like the warning's "取消".
        ::SendMessageW(window.Handle(), WM_COMMAND,
                       MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::CancelSchedule), 0);
        EXPECT_EQ(window.Text(ControlId::透明标签_距离关机时间), "已取消");
        EXPECT_FALSE(window.Scheduler().Armed());
        EXPECT_EQ(window.TimerInterval(TimerId::时钟_关机), 0);
        EXPECT_EQ(awake.log, (std::vector<std::string>{"hold", "release"}));
        EXPECT_EQ(openMenu(), idleMenu);

        // Started again, and on its last minute cancelled by the warning's own button.
        ::SendMessageW(window.Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
        clock.now = {2024, 5, 20, 22, 0, 40};
        ::SendMessageW(window.Handle(), WM_TIMECHANGE, 0, 0);
        ASSERT_TRUE(warning.IsShown());
        ::SendMessageW(warning.Button(WarningWindow::kCancelId), BM_CLICK, 0, 0);
        EXPECT_FALSE(warning.IsShown());
        EXPECT_EQ(window.Text(ControlId::透明标签_距离关机时间), "已取消");
        ::SendMessageW(window.Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
        EXPECT_EQ(awake.log,
                  (std::vector<std::string>{"hold", "release", "hold", "release", "hold"}));
        EXPECT_TRUE(out.log.empty()) << "nothing fired";
    }  // the program ends while counting
    EXPECT_EQ(awake.log,
              (std::vector<std::string>{"hold", "release", "hold", "release", "hold", "release"}));
    EXPECT_EQ(g_registrations, (std::vector<std::string>{"register 0", "unregister"}));

    // A system without the calls (Windows 7) registers nothing and keeps WM_POWERBROADCAST.
    g_registrations.clear();
    WindowSeams older{&out, &out};
    older.executionState = &awake;
    older.suspendResume = SuspendResumeCalls{};
    MainWindow window(::GetModuleHandleW(nullptr), clock, std::move(older));
    ASSERT_TRUE(window.Create());
    EXPECT_FALSE(window.SuspendResumeRegistered());
    EXPECT_TRUE(g_registrations.empty());
}

}  // namespace
}  // namespace yf
