// Drives the real program from outside its process, the way a user's clicks would reach it:
// each sub-command finds the main window by its title and acts on or reads its controls.
// The end-to-end scripts call it between starting the program and taking screenshots.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/main_window_win.h"
#include "core/wide_text_win.h"

namespace {

using namespace yf;

constexpr int kControlIdBase = 1000;  // as the program numbers its controls

HWND FindMainWindow() { return ::FindWindowW(L"YfMainWindow", Widen(kWindowTitle).c_str()); }

HWND WaitForMainWindow(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND window = FindMainWindow();
        if (window && ::IsWindowVisible(window)) return window;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

HWND FindControl(HWND main, ControlId id) {
    const ControlLayout& entry = LayoutOf(id);
    HWND parent = entry.parent == kWindowParent ? main : FindControl(main, entry.parent);
    return parent ? ::GetDlgItem(parent, kControlIdBase + static_cast<int>(id)) : nullptr;
}

const ControlLayout* LayoutByName(const std::string& name) {
    for (const ControlLayout& entry : Layout()) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

// Presses the upper or lower half of an up-down control with the mouse messages it expects.
void PressSpinner(HWND spin, bool up) {
    RECT client;
    ::GetClientRect(spin, &client);
    const int x = client.right / 2;
    const int y = up ? client.bottom / 4 : client.bottom * 3 / 4;
    ::PostMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    ::Sleep(60);
}

// The notification area as Wine shows it without a desktop tray: a window of its own with one
// child per icon, in the order the icons were added.
std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    HWND tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr);
    for (HWND icon = tray ? ::FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr)
                          : nullptr;
         icon; icon = ::FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) {
        if (::IsWindowVisible(icon)) icons.push_back(icon);
    }
    return icons;
}

// A left click of the real mouse, so the shell sees it and reports it to the icon's owner.
void ClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    ::Sleep(50);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &press[0], sizeof(INPUT));
    ::Sleep(50);
    ::SendInput(1, &press[1], sizeof(INPUT));
}

// The program's open pop-up menu (the newest one when a sub-menu is open too).
HWND OpenMenuOf(DWORD process) {
    HWND found = nullptr;
    for (HWND menu = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = ::FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(menu, &owner);
        if (owner == process && ::IsWindowVisible(menu)) found = menu;
    }
    return found;
}

HWND WaitForMenuOf(DWORD process, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND menu = OpenMenuOf(process)) return menu;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

// The keys a user presses in the just opened tray menu to choose the item with this text: down
// to it (separators are skipped), right into the sub-menu for a nested item, then Enter.
std::vector<WORD> KeysFor(const std::string& text, bool countingDown) {
    int topPosition = -1;
    int subPosition = -1;
    int parentPosition = -1;
    for (const MenuEntry& entry : TrayMenuItems(countingDown)) {
        if (entry.text.empty()) continue;
        if (entry.level == 1) {
            ++topPosition;
            subPosition = -1;
        } else {
            ++subPosition;
        }
        if (entry.text != text) continue;
        std::vector<WORD> keys;
        if (entry.level == 1) {
            keys.assign(static_cast<std::size_t>(topPosition) + 1, VK_DOWN);
        } else {
            parentPosition = topPosition;
            keys.assign(static_cast<std::size_t>(parentPosition) + 1, VK_DOWN);
            keys.push_back(VK_RIGHT);
            keys.insert(keys.end(), static_cast<std::size_t>(subPosition), VK_DOWN);
        }
        keys.push_back(VK_RETURN);
        return keys;
    }
    return {};
}

// Clicks the program's tray icon, waits for the menu its half-second timer opens and chooses
// the item. The icons are tried newest first: one left behind by an ended process answers with
// no menu. While a timed action counts down the menu carries one item more.
int ChooseFromTray(HWND main, const std::string& item, bool countingDown) {
    const std::vector<WORD> keys = KeysFor(item, countingDown);
    if (keys.empty()) {
        std::fprintf(stderr, "no tray menu item %s\n", item.c_str());
        return 2;
    }
    DWORD process = 0;
    ::GetWindowThreadProcessId(main, &process);
    // On Windows the taskbar stays above every window; Wine's stand-in for the notification
    // area is a window like any other, which another program's window may cover.
    if (HWND tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr)) {
        ::SetWindowPos(tray, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    const std::vector<HWND> icons = TrayIcons();
    for (auto icon = icons.rbegin(); icon != icons.rend(); ++icon) {
        RECT rect;
        ::GetWindowRect(*icon, &rect);
        ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
        HWND menu = WaitForMenuOf(process, 3000);
        if (!menu) continue;
        for (WORD key : keys) {
            ::PostMessageW(menu, WM_KEYDOWN, key, 0);
            ::PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
            ::Sleep(100);
            // A sub-menu that opened takes the keys from here on.
            if (HWND newest = OpenMenuOf(process)) menu = newest;
        }
        return 0;
    }
    std::fprintf(stderr, "no tray icon opened the program's menu (%zu icons)\n", icons.size());
    return 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: e2e_driver wait-window MS | rect | texts | text NAME | visible NAME |\n"
                 "       click NAME | spin NAME up|down [COUNT] | select NAME INDEX |\n"
                 "       type NAME TEXT | wait-gone MS | find-box CAPTION MS | answer-box CAPTION yes|no|ok |\n"
                 "       window-state | skin K | press X Y | show-window | minimize |\n"
                 "       hover NAME | hover-off | free-strips | control-rect NAME | balloon |\n"
                 "       tray-icons | tray-choose ITEM [counting] | foreground | work-area |\n"
                 "       warning | warning-press CAPTION\n");
    return 2;
}

// A message box of the program: a top-level "#32770" dialog with this caption.
HWND FindBox(const std::string& caption, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    const std::wstring wanted = Widen(caption);
    for (;;) {
        HWND box = ::FindWindowW(L"#32770", wanted.c_str());
        if (box) return box;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

// Rows and columns of the group boxes' insides that no control lies on, as "x y w h" in window
// coordinates: there only the skin picture can show.
void PrintFreeStrips(HWND main) {
    for (ControlId groupId : {ControlId::分组框1, ControlId::分组框2}) {
        HWND group = FindControl(main, groupId);
        if (!group) continue;
        RECT inside;
        ::GetWindowRect(group, &inside);
        ::MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&inside), 2);
        // Clear of the frame lines and the caption gap along the top.
        inside.left += 4;
        inside.right -= 4;
        inside.top += 9;
        inside.bottom -= 4;
        std::vector<RECT> taken;
        for (const ControlLayout& entry : Layout()) {
            if (entry.parent != groupId) continue;
            HWND control = FindControl(main, entry.id);
            if (!control || !::IsWindowVisible(control)) continue;
            RECT rect;
            ::GetWindowRect(control, &rect);
            ::MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
            taken.push_back(rect);
        }
        const auto rowFree = [&](int y) {
            for (const RECT& r : taken) {
                if (y >= r.top && y < r.bottom && r.right > inside.left && r.left < inside.right)
                    return false;
            }
            return true;
        };
        const auto columnFree = [&](int x) {
            for (const RECT& r : taken) {
                if (x >= r.left && x < r.right && r.bottom > inside.top && r.top < inside.bottom)
                    return false;
            }
            return true;
        };
        const int width = inside.right - inside.left;
        const int height = inside.bottom - inside.top;
        for (int y = inside.top, end = y; y < inside.bottom; y = std::max(end, y + 1)) {
            for (end = y; end < inside.bottom && rowFree(end);) ++end;
            if (end - y >= 2) std::printf("%ld %d %d %d\n", inside.left, y, width, end - y);
        }
        for (int x = inside.left, end = x; x < inside.right; x = std::max(end, x + 1)) {
            for (end = x; end < inside.right && columnFree(end);) ++end;
            if (end - x >= 2) std::printf("%d %ld %d %d\n", x, inside.top, end - x, height);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    if (args.empty()) return Usage();
    const std::string& command = args[0];

    if (command == "wait-window") {
        const DWORD timeout = args.size() > 1 ? std::strtoul(args[1].c_str(), nullptr, 10) : 30000;
        HWND main = WaitForMainWindow(timeout);
        if (!main) return 1;
        RECT r;
        ::GetWindowRect(main, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == "window-state") {
        // At once, without waiting: whether the main window exists yet and is shown.
        HWND main = FindMainWindow();
        std::printf("%s\n", !main ? "none" : ::IsWindowVisible(main) ? "visible" : "hidden");
        return 0;
    }
    if (command == "wait-gone") {
        const DWORD timeout = args.size() > 1 ? std::strtoul(args[1].c_str(), nullptr, 10) : 10000;
        const DWORD start = ::GetTickCount();
        while (FindMainWindow()) {
            if (::GetTickCount() - start > timeout) return 1;
            ::Sleep(50);
        }
        return 0;
    }
    if (command == "find-box" || command == "answer-box") {
        if (args.size() < 2) return Usage();
        const DWORD timeout = command == "find-box" && args.size() > 2
                                  ? std::strtoul(args[2].c_str(), nullptr, 10) : 10000;
        HWND box = FindBox(args[1], timeout);
        if (!box) return 1;
        // The text of a message box is its static control 0xFFFF. A box found the moment it
        // is created may not have it yet.
        std::string text;
        for (int tries = 0; tries < 100; ++tries) {
            text = WindowText(::GetDlgItem(box, 0xFFFF));
            if (!text.empty()) break;
            ::Sleep(20);
        }
        std::printf("%s\n", text.c_str());
        if (command == "answer-box") {
            const std::string& answer = args.size() > 2 ? args[2] : "ok";
            const int id = answer == "yes" ? IDYES : answer == "no" ? IDNO : IDOK;
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
        }
        return 0;
    }

    if (command == "tray-icons") {
        // How many icons the notification area shows now, whoever owns them.
        std::printf("%zu\n", TrayIcons().size());
        return 0;
    }
    if (command == "tray-choose" && args.size() >= 2) {
        // Through the tray as a user goes: the window may be hidden.
        HWND window = FindMainWindow();
        if (!window) return 1;
        return ChooseFromTray(window, args[1], args.size() > 2 && args[2] == "counting");
    }
    if (command == "foreground") {
        // The window that has the keys now, as a number and its title.
        HWND foreground = ::GetForegroundWindow();
        std::printf("%llu %s\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(foreground)),
                    WindowText(foreground).c_str());
        return 0;
    }
    if (command == "work-area") {
        // Of the monitor that holds the foreground window.
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoW(::MonitorFromWindow(::GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY),
                          &info);
        const RECT& r = info.rcWork;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == "warning") {
        // The warning window: shown or not, where, and its own text.
        HWND warning = ::FindWindowW(L"YfWarningWindow", nullptr);
        if (!warning) return 1;
        RECT r;
        ::GetWindowRect(warning, &r);
        wchar_t text[256] = {};
        ::SendMessageW(warning, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        std::printf("%d %ld %ld %ld %ld %s\n", ::IsWindowVisible(warning) ? 1 : 0, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, Narrow(text).c_str());
        return 0;
    }
    if (command == "warning-press" && args.size() >= 2) {
        // A click of the real mouse on one of its buttons, as a user's.
        HWND warning = ::FindWindowW(L"YfWarningWindow", nullptr);
        HWND button = warning && ::IsWindowVisible(warning)
                          ? ::FindWindowExW(warning, nullptr, L"Button", Widen(args[1]).c_str())
                          : nullptr;
        if (!button) return 1;
        RECT r;
        ::GetWindowRect(button, &r);
        ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        return 0;
    }

    if (command == "show-window") {
        // As the tray menu item 显示窗口 reports its choice; the window may be hidden.
        HWND hidden = FindMainWindow();
        if (!hidden) return 1;
        const int id = MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::ShowWindow);
        ::PostMessageW(hidden, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }

    HWND main = WaitForMainWindow(10000);
    if (!main) {
        std::fprintf(stderr, "main window not found\n");
        return 1;
    }
    if (command == "rect") {
        RECT r;
        ::GetWindowRect(main, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == "minimize") {
        // As the caption's minimize button does it: the window goes to the tray.
        ::PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return 0;
    }
    if (command == "skin" && args.size() >= 2) {
        // As the tray menu item 皮肤K reports its choice to the window.
        const int skin = std::atoi(args[1].c_str());
        if (skin < 1 || skin > 8) return Usage();
        const int id = MainWindow::kMenuIdBase + static_cast<int>(MenuCommand::Skin1) + skin - 1;
        ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return 0;
    }
    if (command == "press" && args.size() >= 3) {
        // A left click at a point of the window's client area (the skinned caption bar).
        const LPARAM at = MAKELPARAM(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()));
        ::PostMessageW(main, WM_MOUSEMOVE, 0, at);
        ::PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageW(main, WM_LBUTTONUP, 0, at);
        return 0;
    }
    if (command == "free-strips") {
        PrintFreeStrips(main);
        return 0;
    }
    if (command == "hover-off") {
        // The pointer away from the window, so nothing in it is hot.
        ::SetCursorPos(0, 0);
        return 0;
    }
    if (command == "balloon") {
        // The reminder balloon: a shown tooltip window that the main window owns, and its text.
        struct Search {
            HWND owner;
            HWND found = nullptr;
        } search{main};
        ::EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(param);
                wchar_t name[64] = {};
                ::GetClassNameW(window, name, 64);
                if (::GetWindow(window, GW_OWNER) == s.owner && ::IsWindowVisible(window) &&
                    std::wstring(name) == TOOLTIPS_CLASSW) {
                    s.found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) return 1;
        // From another process GetWindowText reads no control's text; the message is answered.
        wchar_t text[512] = {};
        ::SendMessageW(search.found, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", Narrow(text).c_str());
        return 0;
    }
    if (command == "texts") {
        for (const ControlLayout& entry : Layout()) {
            HWND control = FindControl(main, entry.id);
            std::printf("%s=%s\n", std::string(entry.name).c_str(),
                        control ? WindowText(control).c_str() : "<missing>");
        }
        return 0;
    }
    if (args.size() < 2) return Usage();
    const ControlLayout* entry = LayoutByName(args[1]);
    HWND control = entry ? FindControl(main, entry->id) : nullptr;
    if (!control) {
        std::fprintf(stderr, "no control %s\n", args[1].c_str());
        return 1;
    }
    if (command == "text") {
        std::printf("%s\n", WindowText(control).c_str());
        return 0;
    }
    if (command == "visible") {
        const bool visible = ::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE;
        std::printf("%d\n", visible ? 1 : 0);
        return 0;
    }
    if (command == "control-rect") {
        // Relative to the main window, as its screenshots are cropped.
        RECT rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        return 0;
    }
    if (command == "hover") {
        // The real pointer over the control's left part (clear of a label lying on it), so the
        // program sees the moves and leave a user's mouse would make.
        RECT rect;
        ::GetWindowRect(control, &rect);
        ::SetCursorPos(rect.left + 6, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if (command == "click") {
        ::PostMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == "spin" && args.size() >= 3) {
        const int count = args.size() > 3 ? std::atoi(args[3].c_str()) : 1;
        for (int i = 0; i < count; ++i) PressSpinner(control, args[2] == "up");
        return 0;
    }
    if (command == "select" && args.size() >= 3) {
        const int index = std::atoi(args[2].c_str());
        ::SendMessageW(control, CB_SETCURSEL, index, 0);
        // The list reports a selection to its parent as the user's choice would.
        ::SendMessageW(::GetParent(control), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(control), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (command == "type" && args.size() >= 3) {
        ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(args[2]).c_str()));
        return 0;
    }
    return Usage();
}
