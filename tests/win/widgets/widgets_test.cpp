// The program's own widget kinds on real windows: the button with icon in its three colour
// states and the balloon tip's closing rules.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/tool_info_win.h"
#include "core/unique_handle_win.h"
#include "support/message_pump.h"
#include "support/pixels.h"
#include "widgets/balloon_tip_win.h"
#include "widgets/icon_button_win.h"
#include "widgets/widget_state_win.h"

namespace yf {
namespace {

using testing::PumpFor;

LRESULT CALLBACK ReflectDrawItem(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && IconButton::Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class WidgetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ReflectDrawItem;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"YfWidgetHost";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        ::RegisterClassW(&wc);
        host_.reset(::CreateWindowExW(0, L"YfWidgetHost", L"host", WS_POPUP | WS_VISIBLE, 50, 50, 300,
                                      200, nullptr, nullptr, wc.hInstance, nullptr));
        PumpFor(50);
    }
    void TearDown() override { host_.reset(); }

    WidgetState widgets_;  // the icon buttons' states and the balloon host
    UniqueWindow host_;
};

std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r << 16 | g << 8 | b); }

TEST_F(WidgetsTest, IconButtonPaintsItsFaceInTheStateColours) {
    HWND button = ::CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10,
                                    10, 56, 24, host_.get(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(IconButton::Install(button, nullptr));
    EXPECT_EQ(::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    ::UpdateWindow(button);
    PumpFor(50);
    const RECT spot{4, 4, 6, 6};
    EXPECT_EQ(testing::CaptureClient(button, spot).At(0, 0), Rgb(240, 240, 240));

    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IconButton::IsHovered(button));
    PumpFor(50);
    EXPECT_EQ(testing::CaptureClient(button, spot).At(0, 0), Rgb(255, 255, 255));

    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IconButton::IsHovered(button));
    PumpFor(50);
    EXPECT_EQ(testing::CaptureClient(button, spot).At(0, 0), Rgb(240, 240, 240));
}

TEST_F(WidgetsTest, BalloonClosesOnInputDeactivationAndTheNextPopUp) {
    BalloonTip balloon(host_.get());
    ASSERT_TRUE(balloon.PopUp(600, 500, "系统将在1分钟后关闭，请注意保存您的资料！"));
    EXPECT_TRUE(::IsWindowVisible(balloon.Window()));

    // A key pressed in any window of the thread closes it.
    ::PostMessageW(host_.get(), WM_KEYDOWN, VK_SPACE, 0);
    PumpFor(50);
    EXPECT_FALSE(balloon.IsShown());
    EXPECT_FALSE(::IsWindowVisible(balloon.Window()));

    ASSERT_TRUE(balloon.PopUp(600, 500, "first"));
    ::PostMessageW(host_.get(), WM_RBUTTONDOWN, 0, 0);
    PumpFor(50);
    EXPECT_FALSE(balloon.IsShown());

    ASSERT_TRUE(balloon.PopUp(600, 500, "first"));
    balloon.OnApplicationDeactivated();
    EXPECT_FALSE(balloon.IsShown());

    // A new pop-up replaces the text of the one shown.
    ASSERT_TRUE(balloon.PopUp(600, 500, "first"));
    ASSERT_TRUE(balloon.PopUp(600, 500, "second"));
    wchar_t text[64] = {};
    TTTOOLINFOW info = MakeToolInfo(host_.get(), 1, 0, text);
    ::SendMessageW(balloon.Window(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"second");

    // Mouse moves and other messages leave it alone.
    ::PostMessageW(host_.get(), WM_MOUSEMOVE, 0, 0);
    ::PostMessageW(host_.get(), WM_TIMER, 77, 0);
    PumpFor(100);
    EXPECT_TRUE(balloon.IsShown());
}

}  // namespace
}  // namespace yf
