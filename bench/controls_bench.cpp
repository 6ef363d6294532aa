// What the skinned controls cost to repaint next to the same controls left to the platform:
// for the reminder box, the hour spinner and the action list of the real main window under
// skin 8, the median time of one repaint (invalidate, update) divided by that of a plain
// control of the same class, size and style in an unskinned window; and the clock tick (the
// current-time label changing over its box) against a plain edit repaint. The same for a push
// button, a check box, a trackbar and a progress bar on a skinned window of their own (the
// main window has none), each against its twin on the plain window, and for a list box, a list
// view with its header and a colour-keyed tab control.
// Prints the ratios; under Wine most of a repaint is the platform's own work per window.
#include <windows.h>

#include "bench_timing_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_icon_win.h"
#include "app/main_window_win.h"
#include "core/system_clock_win.h"
#include "skin/engine/skin_engine_win.h"

namespace {

using namespace yf;
using bench::Median;
using bench::Pump;
using bench::Seconds;

constexpr int kRounds = 31;

// One repaint of the control and of whatever it asks to repaint (the labels lying on it).
double RepaintTime(HWND control) {
    return Median(
        kRounds,
        [control] {
            ::RedrawWindow(
                control, nullptr, nullptr,
                RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
            Pump();
        },
        Pump);
}

// A control like `model`, in a window the skin engine knows nothing of.
HWND PlainTwin(HWND host, HWND model) {
    wchar_t name[64] = {};
    ::GetClassNameW(model, name, 64);
    RECT rect;
    ::GetWindowRect(model, &rect);
    const auto style = static_cast<DWORD>(::GetWindowLongW(model, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongW(model, GWL_EXSTYLE));
    HWND twin =
        ::CreateWindowExW(exStyle, name, L"", style | WS_VISIBLE, 10, 10, rect.right - rect.left,
                          rect.bottom - rect.top, host, nullptr, nullptr, nullptr);
    if (::GetWindowLongW(model, GWL_STYLE) & CBS_DROPDOWNLIST) {
        ::SendMessageW(twin, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"定时关机"));
        ::SendMessageW(twin, CB_SETCURSEL, 0, 0);
    }
    return twin;
}

// A control of the class and style given, with a caption and a value to draw.
HWND MakeControl(HWND parent, const wchar_t* cls, DWORD style, int y, int width, int height) {
    HWND control = ::CreateWindowExW(0, cls, L"按钮", WS_CHILD | WS_VISIBLE | style, 10, y, width,
                                     height, parent, nullptr, nullptr, nullptr);
    ::SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ::SendMessageW(control, TBM_SETPOS, TRUE, 40);
    if (std::wstring_view(cls) == PROGRESS_CLASSW) ::SendMessageW(control, PBM_SETPOS, 50, 0);
    return control;
}

// The same contents for the skinned control and its plain twin.
void Fill(HWND control) {
    wchar_t name[64] = {};
    ::GetClassNameW(control, name, 64);
    const std::wstring kind = name;
    if (kind == WC_LISTBOXW) {
        for (int i = 0; i < 20; ++i) {
            const std::wstring text = L"列表项 " + std::to_wstring(i + 1);
            ::SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    } else if (kind == WC_LISTVIEWW) {
        for (int i = 0; i < 3; ++i) {
            std::wstring title = L"列" + std::to_wstring(i + 1);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 70;
            column.pszText = title.data();
            ListView_InsertColumn(control, i, &column);
        }
        for (int i = 0; i < 6; ++i) {
            std::wstring text = L"项目" + std::to_wstring(i + 1);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text.data();
            ListView_InsertItem(control, &item);
        }
    } else if (kind == WC_TABCONTROLW) {
        for (int i = 0; i < 3; ++i) {
            std::wstring title = L"选项卡" + std::to_wstring(i + 1);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = title.data();
            TabCtrl_InsertItem(control, i, &item);
        }
    }
}

// A list box, a list view (its header included in each repaint) and a keyed tab control in a
// skinned window, each against its twin in the plain window.
void CompareListFamilies(SkinEngine& engine, HWND host) {
    HWND window = ::CreateWindowExW(0, L"STATIC", L"列表", WS_POPUP | WS_VISIBLE, 40, 300, 520,
                                    220, nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* name;
        const wchar_t* className;
        DWORD style;
        DWORD exStyle;
    } controls[] = {{"list box", WC_LISTBOXW, WS_BORDER | WS_VSCROLL, 0},
                    {"list view", WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE},
                    {"keyed tabs", WC_TABCONTROLW, 0, 0}};
    HWND made[3] = {};
    for (int i = 0; i < 3; ++i) {
        made[i] = ::CreateWindowExW(controls[i].exStyle, controls[i].className, L"",
                                    WS_CHILD | WS_VISIBLE | controls[i].style, 10 + 165 * i, 40,
                                    155, 150, window, nullptr, nullptr, nullptr);
        Fill(made[i]);
    }
    ApplySkinArgs apply;
    apply.window = window;
    apply.captionHeight = 25;
    engine.ApplySkin(apply);
    engine.RegisterKeyedControl(made[2]);
    Pump();
    for (int i = 0; i < 3; ++i) {
        HWND twin = PlainTwin(host, made[i]);
        Fill(twin);
        const double mine = RepaintTime(made[i]);
        const double plain = RepaintTime(twin);
        std::printf("%-18s %7.2f ms %7.2f ms %6.2f\n", controls[i].name, mine * 1e3,
                    plain * 1e3, mine / plain);
        ::DestroyWindow(twin);
    }
    ::DestroyWindow(window);
}

}  // namespace

int wmain() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    SkinEngine engine(instance, AppIconResource());
    SystemClock clock;
    WindowSeams seams;
    seams.skin = &engine;
    MainWindow main(instance, clock, seams);
    if (!main.Create()) return 1;
    main.RunCreatedSequence();
    main.ShowAfterStartUp();
    HWND host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400, 40, 300, 220,
                                  nullptr, nullptr, instance, nullptr);
    Pump();

    std::printf("control             skinned   plain     ratio\n");
    double plainEdit = 0;
    const struct {
        const char* name;
        ControlId id;
    } controls[] = {{"reminder box", ControlId::编辑框1},
                    {"hour spinner", ControlId::调节器_小时},
                    {"action list", ControlId::组合框1}};
    for (const auto& control : controls) {
        HWND skinned = main.Control(control.id);
        HWND twin = PlainTwin(host, skinned);
        const double mine = RepaintTime(skinned);
        const double plain = RepaintTime(twin);
        if (control.id == ControlId::编辑框1) plainEdit = plain;
        std::printf("%-18s %7.2f ms %7.2f ms %6.2f\n", control.name, mine * 1e3, plain * 1e3,
                    mine / plain);
        ::DestroyWindow(twin);
    }

    // The families the main window does not have, skinned as the gallery skins them.
    const struct {
        const char* name;
        const wchar_t* cls;
        DWORD style;
        int width, height;
    } families[] = {{"push button", L"BUTTON", BS_PUSHBUTTON, 90, 28},
                    {"check box", L"BUTTON", BS_AUTOCHECKBOX, 120, 20},
                    {"trackbar", TRACKBAR_CLASSW, TBS_AUTOTICKS, 200, 40},
                    {"progress bar", PROGRESS_CLASSW, 0, 200, 20}};
    HWND skinnedHost = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 720, 40, 300, 260, nullptr,
                                         nullptr, instance, nullptr);
    std::vector<HWND> skinnedControls;
    for (int i = 0; i < 4; ++i) {
        skinnedControls.push_back(MakeControl(skinnedHost, families[i].cls, families[i].style,
                                              40 + 50 * i, families[i].width, families[i].height));
    }
    ApplySkinArgs apply;
    apply.window = skinnedHost;
    apply.captionHeight = 25;
    engine.ApplySkin(apply);
    ::ShowWindow(skinnedHost, SW_SHOWNOACTIVATE);
    Pump();
    for (int i = 0; i < 4; ++i) {
        HWND twin = MakeControl(host, families[i].cls, families[i].style, 10, families[i].width,
                                families[i].height);
        Pump();
        const double mine = RepaintTime(skinnedControls[static_cast<std::size_t>(i)]);
        const double plain = RepaintTime(twin);
        std::printf("%-18s %7.2f ms %7.2f ms %6.2f\n", families[i].name, mine * 1e3, plain * 1e3,
                    mine / plain);
        ::DestroyWindow(twin);
    }
    ::DestroyWindow(skinnedHost);

    HWND label = main.Control(ControlId::透明标签_现在时间);
    const double tick = Median(
        kRounds,
        [label] {
            ::SetWindowTextW(label, L"12:34:56");
            Pump();
        },
        Pump);
    std::printf("clock tick         %7.2f ms  (%.2f plain edit repaints)\n", tick * 1e3,
                tick / plainEdit);
    CompareListFamilies(engine, host);
    ::DestroyWindow(host);
    return 0;
}
