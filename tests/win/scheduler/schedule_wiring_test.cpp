// The schedule entry as the window delivers it: real spinner presses, typing, list choices and
// the "确定" button reach the scheduler, and the countdown timer ticks until the recorded power
// call. Boxes and power calls are recorded; the clock runs at real speed from a chosen time.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "core/wide_text_win.h"
#include "support/message_pump.h"

namespace yf {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

// Real seconds pass from a chosen start, so the window's real timer sees a moving clock.
class RunningClock : public Clock {
  public:
    explicit RunningClock(DateTime start) : start_(start), startTicks_(::GetTickCount64()) {}
    DateTime Now() const override {
        return start_.AddSeconds(
            static_cast<std::int64_t>((::GetTickCount64() - startTicks_) / 1000));
    }
    DateTime NowUtc() const override { return Now().AddHours(-8); }

  private:
    DateTime start_;
    ULONGLONG startTicks_;
};

class AnsweringBoxes : public MessageBoxes {
  public:
    int Show(std::string_view text, std::string_view caption, unsigned flags) override {
        shown.push_back(std::string(caption) + "|" + std::string(text) + "|" +
                        std::to_string(flags));
        return answer;
    }
    int answer = box::kAnswerNo;
    std::vector<std::string> shown;
};

class RecordingPower : public PowerActions {
  public:
    bool Perform(int action, bool force) override {
        calls.push_back(std::to_string(action) + (force ? " force" : ""));
        return true;
    }
    std::vector<std::string> calls;
};

class ScheduleWiringTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_,
                                               WindowSeams{&boxes_, &power_});
        ASSERT_TRUE(window_->Create());
        window_->SetProcessEnder([](int) {});
    }
    void TearDown() override {
        window_.reset();
        PumpFor(20);
    }

    HWND Control(ControlId id) const { return window_->Control(id); }
    std::string Text(ControlId id) const { return WindowText(Control(id)); }

    // Presses the upper or lower half of a spinner as the mouse would.
    void Press(ControlId spinner, bool up) {
        HWND spin = Control(spinner);
        RECT client;
        ::GetClientRect(spin, &client);
        const LPARAM at =
            MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(spin, WM_LBUTTONUP, 0, at);
        PumpFor(10);
    }

    RunningClock clock_{{2024, 5, 20, 21, 59, 57}};
    AnsweringBoxes boxes_;
    RecordingPower power_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ScheduleWiringTest, SpinnersStepTheirLabels) {
    ::SetWindowTextW(Control(ControlId::透明标签_小时), L"23");
    Press(ControlId::调节器_小时, true);
    EXPECT_EQ(Text(ControlId::透明标签_小时), "00");
    Press(ControlId::调节器_分钟, false);
    EXPECT_EQ(Text(ControlId::透明标签_分钟), "29");
    Press(ControlId::调节器_秒钟, false);
    EXPECT_EQ(Text(ControlId::透明标签_秒钟), "59");
    Press(ControlId::调节器_秒钟, true);
    EXPECT_EQ(Text(ControlId::透明标签_秒钟), "00");
}

TEST_F(ScheduleWiringTest, TypedLeadIsTakenAndMirrored) {
    ::SetWindowTextW(Control(ControlId::编辑框1), L"15");
    EXPECT_EQ(window_->Scheduler().State().leadMinutes, 15);
    EXPECT_EQ(Text(ControlId::透明标签_提醒时间), "15");
    ::SetWindowTextW(Control(ControlId::编辑框1), L"");
    EXPECT_EQ(window_->Scheduler().State().leadMinutes, 0);
    EXPECT_EQ(Text(ControlId::透明标签_提醒时间), "");
}

TEST_F(ScheduleWiringTest, ChosenFunctionReachesItsLabelOnSelectionAndOnLosingFocus) {
    HWND list = Control(ControlId::组合框1);
    ::SendMessageW(list, CB_SETCURSEL, 2, 0);
    ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(Text(ControlId::透明标签_功能), "定时注销");

    window_->ShowAfterStartUp();
    PumpFor(50);
    ::SendMessageW(list, CB_SETCURSEL, 4, 0);  // no notification: only the focus change tells
    ::SetFocus(list);
    ::SetFocus(Control(ControlId::编辑框1));
    PumpFor(20);
    EXPECT_EQ(Text(ControlId::透明标签_功能), "直接重启");
}

TEST_F(ScheduleWiringTest, OkButtonStartsTheCountdownThatFiresOnTheTargetSecond) {
    ::SetWindowTextW(Control(ControlId::编辑框1), L"0");
    ::SetWindowTextW(Control(ControlId::透明标签_小时), L"22");
    ::SetWindowTextW(Control(ControlId::透明标签_分钟), L"00");
    ::SetWindowTextW(Control(ControlId::透明标签_秒钟), L"00");
    ::SendMessageW(Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟_关机), 1000);
    EXPECT_TRUE(window_->IsVisible(ControlId::透明标签_距离关机时间));

    std::vector<std::string> captions;
    ASSERT_TRUE(PumpUntil(
        [&] {
            const std::string caption = Text(ControlId::透明标签_距离关机时间);
            if (captions.empty() || captions.back() != caption) captions.push_back(caption);
            return !power_.calls.empty();
        },
        8000));
    EXPECT_EQ(power_.calls, std::vector<std::string>{"1 force"});
    EXPECT_EQ(clock_.Now(), (DateTime{2024, 5, 20, 22, 0, 0}));
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟_关机), 0);
    EXPECT_EQ(Text(ControlId::透明标签_距离关机时间), "0小时00分00秒");
    // The caption counted down second by second before it fired.
    ASSERT_GE(captions.size(), 3u);
    EXPECT_EQ(captions[captions.size() - 2], "0小时00分01秒");
    // Lead 0: the reminder came on the same tick.
    ASSERT_NE(window_->Balloon(), nullptr);
    EXPECT_TRUE(window_->Balloon()->IsShown());
}

TEST_F(ScheduleWiringTest, PastTimeIsRejectedWithTheErrorBox) {
    ::SetWindowTextW(Control(ControlId::透明标签_小时), L"21");
    ::SetWindowTextW(Control(ControlId::透明标签_分钟), L"59");
    ::SetWindowTextW(Control(ControlId::透明标签_秒钟), L"00");
    ::SendMessageW(Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0], "错误：|错误：指定时间不能小于当前系统时间，请重新设置！|8208");
    EXPECT_FALSE(window_->Scheduler().Armed());
}

TEST_F(ScheduleWiringTest, RestartNowAnsweredNoDoesNothing) {
    HWND list = Control(ControlId::组合框1);
    ::SendMessageW(list, CB_SETCURSEL, 4, 0);
    ::SendMessageW(Control(ControlId::超级按钮1), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(
        boxes_.shown[0],
        "警告：|警告：系统将重新启动，请确认文件是否保存，单击是重新启动计算机，单击否取消。|8244");
    EXPECT_TRUE(power_.calls.empty());
}

}  // namespace
}  // namespace yf
