// The warning window for real under Wine: where it stands and how it stands there (topmost,
// never taking the foreground), its own text, its two buttons, Esc only after a click, and the
// skin engine painting it as a second registered window under the current skin.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/skin_selection.h"
#include "core/wide_text_win.h"
#include "scheduler/warning_window_win.h"
#include "skin/engine/skin_engine_win.h"
#include "support/engine_inside.h"
#include "support/message_pump.h"
#include "support/pictures.h"
#include "support/pixels.h"
#include "support/skinned_host.h"

namespace yf {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

// A window of the user's work that has the foreground, as a text editor would.
class WorkWindow {
  public:
    WorkWindow() {
        window_.reset(::CreateWindowExW(0, L"STATIC", L"用户的工作",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                                        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
        ::SetForegroundWindow(window_.get());
        PumpUntil([this] { return ::GetForegroundWindow() == window_.get(); }, 2000);
    }
    HWND Handle() const { return window_.get(); }

  private:
    UniqueWindow window_;
};

// Real input, as the user's mouse and keyboard give it.
void ClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    PumpFor(50);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, press, sizeof(INPUT));
    PumpFor(150);
}
void PressEscape() {
    INPUT key[2] = {};
    key[0].type = key[1].type = INPUT_KEYBOARD;
    key[0].ki.wVk = key[1].ki.wVk = VK_ESCAPE;
    key[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, key, sizeof(INPUT));
    PumpFor(150);
}

struct Counts {
    int cancels = 0;
    int postpones = 0;
    WarningWindow::Handlers Handlers() {
        return {[this] { ++cancels; }, [this] { ++postpones; }, nullptr, nullptr};
    }
};

RECT WorkArea(HWND onMonitorOf) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(onMonitorOf, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

TEST(WarningWindowTest, StandsTopmostAtTheBottomRightWithoutTakingTheForeground) {
    WorkWindow work;
    ASSERT_EQ(::GetForegroundWindow(), work.Handle());
    Counts counts;
    WarningWindow warning(::GetModuleHandleW(nullptr), counts.Handlers());
    EXPECT_EQ(warning.Handle(), nullptr) << "made only when first needed";
    warning.Show("系统将在60秒后关闭");
    PumpFor(200);
    HWND window = warning.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), work.Handle());
    EXPECT_NE(::GetActiveWindow(), window);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
    EXPECT_EQ(::GetWindow(window, GW_OWNER), nullptr);

    const RECT area = WorkArea(work.Handle());
    RECT rect;
    ::GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right, area.right - WarningWindow::kMargin);
    EXPECT_EQ(rect.bottom, area.bottom - WarningWindow::kMargin);
    EXPECT_EQ(rect.right - rect.left, WarningWindow::kWidth);
    EXPECT_EQ(rect.bottom - rect.top, WarningWindow::kHeight);

    // The text counts down in the window's own text and on its face.
    EXPECT_EQ(WindowText(window), "系统将在60秒后关闭");
    warning.Show("系统将在59秒后关闭");
    PumpFor(50);
    EXPECT_EQ(WindowText(window), "系统将在59秒后关闭");
    HWND label = ::FindWindowExW(window, nullptr, L"YfTransparentLabel", nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(WindowText(label), "系统将在59秒后关闭");
    EXPECT_EQ(WindowText(warning.Button(WarningWindow::kCancelId)), "取消");
    EXPECT_EQ(WindowText(warning.Button(WarningWindow::kPostponeId)), "推迟10分钟");

    warning.Hide();
    PumpFor(50);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(::GetForegroundWindow(), work.Handle());
    EXPECT_EQ(counts.cancels + counts.postpones, 0);
}

TEST(WarningWindowTest, KeepsClearOfTheBalloonWhenItWouldCoverIt) {
    WorkWindow work;
    const RECT area = WorkArea(work.Handle());
    const RECT balloon{area.right - 300, area.bottom - 70, area.right - 4, area.bottom - 4};
    WarningWindow warning(::GetModuleHandleW(nullptr),
                          {nullptr, nullptr, nullptr, [&balloon] { return balloon; }});
    warning.Show("系统将在60秒后重新启动");
    RECT rect;
    ::GetWindowRect(warning.Handle(), &rect);
    EXPECT_EQ(rect.bottom, balloon.top - WarningWindow::kMargin);
    EXPECT_EQ(rect.right, area.right - WarningWindow::kMargin);
}

TEST(WarningWindowTest, ButtonsActAndEscCancelsOnlyAfterTheWindowWasClicked) {
    WorkWindow work;
    Counts counts;
    WarningWindow warning(::GetModuleHandleW(nullptr), counts.Handlers());
    warning.Show("系统将在30秒后注销");
    PumpFor(200);
    HWND window = warning.Handle();

    PressEscape();  // the user's work has the keys: the warning takes none of them
    EXPECT_EQ(counts.cancels, 0);
    EXPECT_EQ(::GetForegroundWindow(), work.Handle());

    RECT rect;
    ::GetWindowRect(window, &rect);
    ClickAt({rect.left + 6, rect.top + 6});  // on the window, clear of the text and buttons
    EXPECT_EQ(::GetForegroundWindow(), window);
    PressEscape();
    EXPECT_EQ(counts.cancels, 1);
    warning.Hide();
    PumpFor(100);
    EXPECT_EQ(::GetForegroundWindow(), work.Handle())
        << "the keys go back to the work; warning " << window;

    // Shown again: not clicked since, so Esc is the work's again.
    warning.Show("系统将在29秒后注销");
    PumpFor(100);
    PressEscape();
    EXPECT_EQ(counts.cancels, 1);

    RECT button;
    ::GetWindowRect(warning.Button(WarningWindow::kPostponeId), &button);
    ClickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    EXPECT_EQ(counts.postpones, 1);
    ::GetWindowRect(warning.Button(WarningWindow::kCancelId), &button);
    ClickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    EXPECT_EQ(counts.cancels, 2);
    EXPECT_EQ(counts.postpones, 1);
}

TEST(WarningWindowTest, TheSkinEnginePaintsItUnderTheCurrentSkin) {
    testing::SkinnedHost host;
    WarningWindow warning(
        ::GetModuleHandleW(nullptr),
        {nullptr, nullptr, [&host](HWND window) { SkinSecondWindow(*host.engine, window); },
         nullptr});
    warning.Show("系统将在45秒后关闭");
    PumpFor(300);
    HWND window = warning.Handle();
    EXPECT_NE(testing::Inside().FindWindowIndex(window), 0);
    EXPECT_TRUE(testing::Inside().Skins(warning.Button(WarningWindow::kCancelId)));
    EXPECT_TRUE(testing::Inside().Skins(warning.Button(WarningWindow::kPostponeId)));
    // Between the text and the buttons only the skin shows.
    const RECT strip{20, 44, WarningWindow::kWidth - 20, 50};
    const auto skinPixels = [&] {
        const testing::Pixels pixels = testing::CaptureClient(window, strip);
        int count = 0;
        for (std::uint32_t p : pixels.bgra) count += (p & 0xFFFFFF) == testing::kSkinRgb;
        return count * 100 / static_cast<int>(pixels.bgra.size());
    };
    EXPECT_GE(skinPixels(), 95);
    EXPECT_EQ(WindowText(window), "系统将在45秒后关闭") << "the text is not a caption title";

    // A new skin reaches the shown warning with the other windows.
    const std::vector<std::uint8_t> green = testing::FlatPicture(20, 20, 0xFF20A040);
    SkinPictureArgs args;
    args.bytes = green;
    args.themeColour = 0xC0C0C0;
    args.mode = PictureMode::Stretched;
    host.engine->SetSkinPicture(args);
    PumpFor(300);
    const testing::Pixels after = testing::CaptureClient(window, strip);
    int greenPixels = 0;
    for (std::uint32_t p : after.bgra) greenPixels += (p & 0xFFFFFF) == 0x20A040;
    EXPECT_GE(greenPixels * 100 / static_cast<int>(after.bgra.size()), 95);
    EXPECT_EQ(skinPixels(), 0);
}

}  // namespace
}  // namespace yf
