// MainWindow under Wine: the controls the layout promises, the label repaint rule, the tray
// clicks, hiding to the tray and exit path A.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/layout.h"
#include "app/main_window_win.h"
#include "core/system_clock_win.h"
#include "core/wide_text_win.h"
#include "support/message_pump.h"
#include "support/pixels.h"
#include "widgets/spin_control_win.h"

namespace yf {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_);
        ASSERT_TRUE(window_->Create());
        window_->SetProcessEnder([this](int code) { exitCodes_.push_back(code); });
    }
    void TearDown() override { window_.reset(); PumpFor(20); }

    void ShowAndSettle() {
        window_->ShowAfterStartUp();
        ::UpdateWindow(window_->Handle());
        PumpFor(150);
    }

    void RepaintEverything() {
        ::RedrawWindow(window_->Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        PumpFor(150);
    }

    RECT ClientRectIn(HWND control, HWND relativeTo) const {
        RECT rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(HWND_DESKTOP, relativeTo, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    SystemClock clock_;
    std::unique_ptr<MainWindow> window_;
    std::vector<int> exitCodes_;
};

TEST_F(MainWindowTest, WindowIsAHiddenCentredPopupWithTitleAndTaskbarEntry) {
    HWND main = window_->Handle();
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_EQ(WindowText(main), kWindowTitle);
    const LONG style = ::GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    RECT rect;
    ::GetWindowRect(main, &rect);
    EXPECT_EQ(rect.right - rect.left, kWindowWidth);
    EXPECT_EQ(rect.bottom - rect.top, kWindowHeight);
    EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2);
    EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2);
}

TEST_F(MainWindowTest, EveryControlHasItsClassParentGeometryTextAndVisibility) {
    for (const ControlLayout& entry : Layout()) {
        SCOPED_TRACE(std::string(entry.name));
        HWND control = window_->Control(entry.id);
        ASSERT_TRUE(::IsWindow(control));
        HWND expectedParent =
            entry.parent == kWindowParent ? window_->Handle() : window_->Control(entry.parent);
        EXPECT_EQ(::GetParent(control), expectedParent);

        const std::wstring className = ClassOf(control);
        switch (entry.kind) {
            case ControlKind::Label: EXPECT_EQ(className, L"YfTransparentLabel"); break;
            case ControlKind::IconButton:
            case ControlKind::GroupBox: EXPECT_EQ(_wcsicmp(className.c_str(), L"Button"), 0); break;
            case ControlKind::Edit: EXPECT_EQ(_wcsicmp(className.c_str(), L"Edit"), 0); break;
            case ControlKind::Spin: EXPECT_EQ(className, UPDOWN_CLASSW); break;
            case ControlKind::DropList: EXPECT_EQ(_wcsicmp(className.c_str(), L"ComboBox"), 0); break;
        }

        const RECT rect = ClientRectIn(control, expectedParent);
        EXPECT_EQ(rect.left, entry.rect.left);
        EXPECT_EQ(rect.top, entry.rect.top);
        EXPECT_EQ(rect.right - rect.left, entry.rect.width);
        if (entry.kind == ControlKind::DropList) {
            // The platform keeps a closed combo box at least as high as its font needs.
            EXPECT_NEAR(rect.bottom - rect.top, entry.rect.height, 2);
        } else {
            EXPECT_EQ(rect.bottom - rect.top, entry.rect.height);
        }

        if (entry.kind != ControlKind::DropList) {
            EXPECT_EQ(WindowText(control), entry.text);
        }
        EXPECT_EQ(window_->IsVisible(entry.id), entry.visible);
        EXPECT_EQ((::GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, entry.tabStop);
    }
}

TEST_F(MainWindowTest, FontsUseTheChineseCharsetWithTheListedHeights) {
    for (const ControlLayout& entry : Layout()) {
        if (entry.font == FontId::System) continue;
        SCOPED_TRACE(std::string(entry.name));
        auto font = reinterpret_cast<HFONT>(::SendMessageW(window_->Control(entry.id), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW logFont{};
        ::GetObjectW(font, sizeof(logFont), &logFont);
        EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
        EXPECT_EQ(-logFont.lfHeight, Font(entry.font).height);
        EXPECT_EQ(logFont.lfWeight, Font(entry.font).weight);
    }
}

TEST_F(MainWindowTest, FunctionListHoldsTheFiveItemsWithTheFirstSelected) {
    HWND combo = window_->Control(ControlId::组合框1);
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
    for (int i = 0; i < 5; ++i) {
        wchar_t text[32] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(Narrow(text), FunctionItems()[i]);
    }
    EXPECT_EQ(window_->SelectedIndex(ControlId::组合框1), 0);
    EXPECT_EQ(window_->Text(ControlId::组合框1), "定时关机");
}

TEST_F(MainWindowTest, TrayMenuHasTheSkinSubMenuAndItemsInOrder) {
    HMENU menu = window_->TrayMenuHandle();
    ASSERT_EQ(::GetMenuItemCount(menu), 8);
    auto textOf = [](HMENU m, int position) {
        wchar_t text[64] = {};
        ::GetMenuStringW(m, position, text, 64, MF_BYPOSITION);
        return Narrow(text);
    };
    EXPECT_EQ(textOf(menu, 0), "更改皮肤");
    HMENU skins = ::GetSubMenu(menu, 0);
    ASSERT_NE(skins, nullptr);
    ASSERT_EQ(::GetMenuItemCount(skins), 8);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(textOf(skins, k), "皮肤" + std::to_string(k + 1));
    EXPECT_EQ(textOf(menu, 1), "显示窗口");
    EXPECT_EQ(::GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(textOf(menu, 3), "版本：V2.0");
    EXPECT_EQ(textOf(menu, 4), "作者：远帆");
    EXPECT_EQ(::GetMenuState(menu, 6, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(textOf(menu, 7), "退出");
}

TEST_F(MainWindowTest, ChangingAHourLabelOverItsBoxLeavesNoTraceOfTheOldText) {
    ShowAndSettle();
    HWND group = window_->Control(ControlId::分组框2);
    const RECT spot = ClientRectIn(window_->Control(ControlId::编辑框_小时), group);

    window_->SetText(ControlId::透明标签_小时, "9");
    PumpFor(150);
    const testing::Pixels afterChange = testing::CaptureClient(group, spot);

    // Reference: the same label text painted from scratch, as when the window is uncovered.
    RepaintEverything();
    PumpFor(150);
    const testing::Pixels fresh = testing::CaptureClient(group, spot);
    testing::DumpIfAsked(afterChange, "label-after-change");
    testing::DumpIfAsked(fresh, "label-fresh");
    EXPECT_EQ(testing::CountDifferentPixels(afterChange, fresh), 0);

    window_->SetText(ControlId::透明标签_小时, "17");
    PumpFor(150);
    EXPECT_GT(testing::CountDifferentPixels(testing::CaptureClient(group, spot), fresh), 0)
        << "the label's text is visible over its box";
}

TEST_F(MainWindowTest, TypedReminderMinutesLandUnderTheLabelThatMirrorsThem) {
    ShowAndSettle();
    HWND group = window_->Control(ControlId::分组框2);
    const RECT spot = ClientRectIn(window_->Control(ControlId::编辑框1), group);
    const testing::Pixels empty = testing::CaptureClient(group, spot);
    window_->SetVisible(ControlId::透明标签_提醒时间, false);
    ::SetWindowTextW(window_->Control(ControlId::编辑框1), L"15");
    PumpFor(150);
    const testing::Pixels boxAlone = testing::CaptureClient(group, spot);
    window_->SetText(ControlId::透明标签_提醒时间, "15");
    window_->SetVisible(ControlId::透明标签_提醒时间, true);
    PumpFor(150);
    const testing::Pixels both = testing::CaptureClient(group, spot);
    testing::DumpIfAsked(boxAlone, "typed-box");
    testing::DumpIfAsked(both, "typed-both");
    // The label's glyphs fall on the box's own: adding the label changes little next to what
    // the typed text itself changed.
    const int textPixels = testing::CountDifferentPixels(boxAlone, empty);
    ASSERT_GT(textPixels, 20);
    EXPECT_LT(testing::CountDifferentPixels(both, boxAlone) * 3, textPixels);
}

TEST_F(MainWindowTest, EmptyLabelDrawsNothing) {
    ShowAndSettle();
    HWND group = window_->Control(ControlId::分组框2);
    RECT spot = ClientRectIn(window_->Control(ControlId::透明标签_小时), group);
    // Only the part over the box: the spinner beside it is not what this is about.
    spot.right = ClientRectIn(window_->Control(ControlId::调节器_小时), group).left;
    window_->SetText(ControlId::透明标签_小时, "");
    PumpFor(150);
    const testing::Pixels empty = testing::CaptureClient(group, spot);
    ::ShowWindow(window_->Control(ControlId::透明标签_小时), SW_HIDE);
    RepaintEverything();
    testing::DumpIfAsked(empty, "label-empty");
    testing::DumpIfAsked(testing::CaptureClient(group, spot), "label-hidden");
    EXPECT_EQ(testing::CountDifferentPixels(testing::CaptureClient(group, spot), empty), 0);
}

TEST_F(MainWindowTest, SingleTrayClickArmsTheTimerAndOpensTheMenuOnItsTick) {
    ShowAndSettle();
    ::SendMessageW(window_->Handle(), MainWindow::kTrayMessage, 0, WM_LBUTTONUP);
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟2), 500);
    ::SendMessageW(window_->Handle(), MainWindow::kTrayMessage, 0, WM_LBUTTONUP);
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟2), 500);

    // The menu runs its own modal loop; a thread timer looks for it and closes it.
    static bool menuSeen;
    menuSeen = false;
    const UINT_PTR probe = ::SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
        if (::FindWindowW(L"#32768", nullptr)) {
            menuSeen = true;
            ::EndMenu();
        }
    });
    // Two clicks within the half second are a double click's halves: no menu.
    PumpFor(800);
    EXPECT_FALSE(menuSeen);
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟2), 0);

    ::SendMessageW(window_->Handle(), MainWindow::kTrayMessage, 0, WM_LBUTTONUP);
    PumpUntil([] { return menuSeen; }, 3000);
    ::KillTimer(nullptr, probe);
    EXPECT_TRUE(menuSeen);
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟2), 0);
}

TEST_F(MainWindowTest, DoubleClickShowsTheHiddenWindowCentredAndRightClickDoesNothing) {
    HWND main = window_->Handle();
    ::SetWindowPos(main, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(main, MainWindow::kTrayMessage, 0, WM_RBUTTONUP);
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_EQ(window_->TimerInterval(TimerId::时钟2), 0);

    for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        ::SendMessageW(main, MainWindow::kTrayMessage, 0, mouse);
    }
    EXPECT_TRUE(::IsWindowVisible(main));
    RECT rect;
    ::GetWindowRect(main, &rect);
    EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2);
    EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2);
}

TEST_F(MainWindowTest, MinimizeHidesAndShowWindowBringsItBackWhereItWas) {
    ShowAndSettle();
    HWND main = window_->Handle();
    ::SetWindowPos(main, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(main, SW_MINIMIZE);
    PumpFor(100);
    EXPECT_FALSE(::IsWindowVisible(main));

    ::SendMessageW(main, WM_COMMAND, MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::ShowWindow), 0);
    PumpFor(100);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_FALSE(::IsIconic(main));
    RECT rect;
    ::GetWindowRect(main, &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.right - rect.left, kWindowWidth);
}

TEST_F(MainWindowTest, SizeChangesAreUndone) {
    ShowAndSettle();
    ::SetWindowPos(window_->Handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect;
    ::GetWindowRect(window_->Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, kWindowWidth);
    EXPECT_EQ(rect.bottom - rect.top, kWindowHeight);
}

TEST_F(MainWindowTest, ExitButtonRemovesTheTrayIconAndEndsWithCodeZero) {
    window_->RunCreatedSequence();
    ASSERT_TRUE(window_->Tray()->IsShown());
    ::SendMessageW(window_->Control(ControlId::超级按钮2), BM_CLICK, 0, 0);
    EXPECT_FALSE(window_->Tray()->IsShown());
    ASSERT_EQ(exitCodes_.size(), 1u);
    EXPECT_EQ(exitCodes_[0], 0);

    window_->RunCreatedSequence();
    ::SendMessageW(window_->Handle(), WM_COMMAND, MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::Exit), 0);
    EXPECT_FALSE(window_->Tray()->IsShown());
    EXPECT_EQ(exitCodes_.size(), 2u);
}

TEST_F(MainWindowTest, ClosingTheWindowRemovesTheTrayIconAndEndsTheLoop) {
    window_->RunCreatedSequence();
    ::DestroyWindow(window_->Handle());
    MSG msg;
    bool quit = false;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
    EXPECT_TRUE(quit);
    EXPECT_FALSE(window_->Tray()->IsShown());
}

TEST_F(MainWindowTest, SpinnerPressReportsUpAndDown) {
    HWND spin = window_->Control(ControlId::调节器_分钟);
    NMUPDOWN change{};
    change.hdr.hwndFrom = spin;
    change.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(spin));
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = 1;
    EXPECT_EQ(SpinControl::Direction(change.hdr), 1);
    change.iDelta = -1;
    EXPECT_EQ(SpinControl::Direction(change.hdr), -1);
}

}  // namespace
}  // namespace yf
