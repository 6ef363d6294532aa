// MainWindow under Wine: the controls the layout promises, the label repaint rule, the tray
// clicks, the tray icon a refusing shell gets later, hiding to the tray only with an icon there,
// exit path A and the spinners.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <shellapi.h>

#include <climits>
#include <memory>

#include "app/layout.h"
#include "app/main_window_win.h"
#include "core/system_clock_win.h"
#include "core/wide_text_win.h"
#include "support/message_pump.h"
#include "support/pixels.h"

namespace yf {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// Asks the shell itself whether it holds the window's tray icon (the program's icon is number 1).
bool ShellHoldsIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// The real notification area, except that it refuses adds while `refusals` is above 0, as the
// shell does before the notification area exists.
struct RefusingShell {
    int refusals = 0;
    int adds = 0;
    TrayNotifier Notifier() {
        return [this](DWORD message, NOTIFYICONDATAW& data) {
            if (message == NIM_ADD) {
                ++adds;
                if (refusals > 0) {
                    --refusals;
                    return false;
                }
            }
            return ::Shell_NotifyIconW(message, &data) != FALSE;
        };
    }
};

void AnnounceNewTaskbar(HWND window) {
    ::SendMessageW(window, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Recreate({}); }
    void Recreate(WindowSeams seams) {
        window_.reset();
        window_ =
            std::make_unique<MainWindow>(::GetModuleHandleW(nullptr), clock_, std::move(seams));
        ASSERT_TRUE(window_->Create());
        window_->SetProcessEnder([this](int code) { exitCodes_.push_back(code); });
    }
    void WithRefusingShell() {
        WindowSeams seams;
        seams.trayNotify = shell_.Notifier();
        Recreate(std::move(seams));
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
    RefusingShell shell_;
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
    window_->RunCreatedSequence();
    ASSERT_TRUE(ShellHoldsIcon(window_->Handle()));
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
    const struct {
        const char* way;
        std::function<void()> choose;
    } ways[] = {
        {"exit button",
         [this] { ::SendMessageW(window_->Control(ControlId::超级按钮2), BM_CLICK, 0, 0); }},
        {"tray menu",
         [this] {
             ::SendMessageW(window_->Handle(), WM_COMMAND,
                            MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::Exit), 0);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        exitCodes_.clear();
        window_->RunCreatedSequence();
        ASSERT_TRUE(ShellHoldsIcon(window_->Handle()));
        way.choose();
        // The handler has returned and the process still runs; the icon is already gone.
        EXPECT_TRUE(exitCodes_.empty());
        EXPECT_FALSE(window_->Tray()->IsShown());
        EXPECT_FALSE(ShellHoldsIcon(window_->Handle()));
        EXPECT_TRUE(PumpUntil([this] { return !exitCodes_.empty(); }, 2000));
        EXPECT_EQ(exitCodes_, std::vector<int>{0});
        EXPECT_TRUE(::IsWindow(window_->Handle()));
    }
}

// With the window's own ending, exit path A ends the message loop with code 0, after which the
// application runs its exit handler and returns that code.
TEST(MainWindowEndingTest, ExitPathAEndsTheMessageLoopWithCodeZero) {
    SystemClock clock;
    MainWindow window(::GetModuleHandleW(nullptr), clock);
    ASSERT_TRUE(window.Create());
    window.RunCreatedSequence();
    ::SendMessageW(window.Control(ControlId::超级按钮2), BM_CLICK, 0, 0);
    bool quit = false;
    WPARAM code = 99;
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (!quit && ::GetTickCount() - start < 2000) {
        while (!quit && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                code = msg.wParam;
            } else {
                ::DispatchMessageW(&msg);
            }
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    EXPECT_TRUE(quit);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(ShellHoldsIcon(window.Handle()));
}

TEST_F(MainWindowTest, RefusedTrayIconIsAddedByALaterTry) {
    shell_.refusals = 1;
    WithRefusingShell();
    window_->RunCreatedSequence();
    EXPECT_EQ(shell_.adds, 1);
    EXPECT_FALSE(window_->Tray()->IsShown());
    EXPECT_FALSE(ShellHoldsIcon(window_->Handle()));
    ASSERT_TRUE(
        PumpUntil([this] { return window_->Tray()->IsShown(); }, 3 * MainWindow::kTrayRetryMs));
    EXPECT_EQ(shell_.adds, 2);
    EXPECT_TRUE(ShellHoldsIcon(window_->Handle()));
}

TEST_F(MainWindowTest, NewTaskbarTakesARefusedIconAtOnce) {
    shell_.refusals = 1;
    WithRefusingShell();
    window_->RunCreatedSequence();
    ASSERT_FALSE(window_->Tray()->IsShown());
    AnnounceNewTaskbar(window_->Handle());
    EXPECT_TRUE(window_->Tray()->IsShown());
    EXPECT_TRUE(ShellHoldsIcon(window_->Handle()));
}

TEST_F(MainWindowTest, WithoutATrayIconMinimizeLeavesTheWindowOnTheTaskbar) {
    shell_.refusals = INT_MAX;
    WithRefusingShell();
    window_->RunCreatedSequence();
    ShowAndSettle();
    HWND main = window_->Handle();
    ::ShowWindow(main, SW_MINIMIZE);
    PumpFor(100);
    EXPECT_TRUE(::IsIconic(main));
    EXPECT_TRUE(::IsWindowVisible(main)) << "hidden with no icon to bring it back";
    EXPECT_TRUE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // Once the shell takes the icon, minimizing hides the window in the tray again.
    shell_.refusals = 0;
    ASSERT_TRUE(
        PumpUntil([this] { return window_->Tray()->IsShown(); }, 3 * MainWindow::kTrayRetryMs));
    ::ShowWindow(main, SW_RESTORE);
    ::ShowWindow(main, SW_MINIMIZE);
    PumpFor(100);
    EXPECT_FALSE(::IsWindowVisible(main));
}

TEST_F(MainWindowTest, HiddenWindowReturnsToTheTaskbarWhenTheIconIsLost) {
    WithRefusingShell();
    window_->RunCreatedSequence();
    ShowAndSettle();
    HWND main = window_->Handle();
    ::ShowWindow(main, SW_MINIMIZE);
    PumpFor(100);
    ASSERT_FALSE(::IsWindowVisible(main));

    // The shell restarts without the icon and refuses it for now.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = main;
    data.uID = 1;
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    shell_.refusals = INT_MAX;
    AnnounceNewTaskbar(main);
    EXPECT_FALSE(window_->Tray()->IsShown());
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_TRUE(::IsIconic(main));
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

// A press on the upper or lower half of each real spinner steps its own field, and only that.
TEST_F(MainWindowTest, SpinnerPressReportsUpAndDown) {
    const struct {
        ControlId spinner, label;
    } fields[] = {
        {ControlId::调节器_小时, ControlId::透明标签_小时},
        {ControlId::调节器_分钟, ControlId::透明标签_分钟},
        {ControlId::调节器_秒钟, ControlId::透明标签_秒钟},
    };
    const ControlId labels[] = {ControlId::透明标签_小时, ControlId::透明标签_分钟,
                                ControlId::透明标签_秒钟};
    for (const auto& field : fields) {
        SCOPED_TRACE(LayoutOf(field.spinner).name.data());
        for (ControlId label : labels) window_->SetText(label, "10");
        HWND spin = window_->Control(field.spinner);
        RECT client;
        ::GetClientRect(spin, &client);
        const auto press = [&](bool upper) {
            const LPARAM at =
                MAKELPARAM(client.right / 2, upper ? client.bottom / 4 : client.bottom * 3 / 4);
            ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::SendMessageW(spin, WM_LBUTTONUP, 0, at);
            PumpFor(20);
            return window_->Text(field.label);
        };
        EXPECT_EQ(press(true), "11");
        EXPECT_EQ(press(false), "10");
        EXPECT_EQ(press(false), "09");
        for (ControlId label : labels) {
            if (label != field.label) {
                EXPECT_EQ(window_->Text(label), "10");
            }
        }
    }
}

}  // namespace
}  // namespace yf
