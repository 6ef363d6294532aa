// Looks into any top-level window from outside its process, found by its window class: where it
// and its controls of given classes lie on the screen, and a few of the nudges a user would
// give them (a key, the pointer, removing list items, closing). The gallery checks use it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "core/window_class_win.h"

namespace {

using namespace yf;

int Usage() {
    std::fprintf(stderr,
                 "usage: e2e_window_probe wait CLASS MS | rect CLASS | controls CLASS NAME... |\n"
                 "       key CLASS VK | point X Y | keep-items CLASS LISTCLASS COUNT |\n"
                 "       close CLASS\n");
    return 2;
}

HWND WaitFor(const std::wstring& windowClass, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND window = ::FindWindowW(windowClass.c_str(), nullptr);
        if (window && ::IsWindowVisible(window)) return window;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

// Every visible descendant of `window` of one of `classes`, in the order the system lists them.
std::vector<HWND> ControlsOf(HWND window, const std::vector<std::string>& classes) {
    struct Search {
        const std::vector<std::string>* classes;
        std::vector<HWND> found;
    } search{&classes, {}};
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto* state = reinterpret_cast<Search*>(data);
            if (!::IsWindowVisible(child)) return TRUE;
            const std::string name = ClassNameOf(child);
            for (const std::string& wanted : *state->classes) {
                if (::lstrcmpiW(Widen(name).c_str(), Widen(wanted).c_str()) == 0) {
                    state->found.push_back(child);
                    break;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PrintRect(const char* prefix, HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::printf("%s%ld %ld %ld %ld\n", prefix, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    if (args.size() < 2) return Usage();
    const std::string& command = args[0];
    if (command == "point" && args.size() >= 3) {
        ::SetCursorPos(std::atoi(args[1].c_str()), std::atoi(args[2].c_str()));
        return 0;
    }
    const std::wstring windowClass = Widen(args[1]);
    if (command == "wait") {
        const DWORD timeout = args.size() > 2 ? std::strtoul(args[2].c_str(), nullptr, 10) : 30000;
        HWND window = WaitFor(windowClass, timeout);
        if (!window) return 1;
        PrintRect("", window);
        return 0;
    }
    HWND window = ::FindWindowW(windowClass.c_str(), nullptr);
    if (!window) {
        std::fprintf(stderr, "no window of class %s\n", args[1].c_str());
        return 1;
    }
    if (command == "rect") {
        PrintRect("", window);
    } else if (command == "controls") {
        // "CLASS ID PARENT-CLASS X Y W H" per control, screen coordinates.
        const std::vector<std::string> classes(args.begin() + 2, args.end());
        for (HWND control : ControlsOf(window, classes)) {
            const std::string prefix = ClassNameOf(control) + " " +
                                       std::to_string(::GetDlgCtrlID(control)) + " " +
                                       ClassNameOf(::GetParent(control)) + " ";
            PrintRect(prefix.c_str(), control);
        }
    } else if (command == "key" && args.size() >= 3) {
        const auto key = static_cast<WPARAM>(std::strtoul(args[2].c_str(), nullptr, 0));
        ::PostMessageW(window, WM_KEYDOWN, key, 1);
        ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
    } else if (command == "keep-items" && args.size() >= 4) {
        // The first list of that class keeps only its first COUNT items.
        const std::vector<HWND> lists = ControlsOf(window, {args[2]});
        if (lists.empty()) return 1;
        const auto keep = static_cast<LRESULT>(std::atoi(args[3].c_str()));
        while (::SendMessageW(lists.front(), LB_GETCOUNT, 0, 0) > keep) {
            ::SendMessageW(lists.front(), LB_DELETESTRING,
                           static_cast<WPARAM>(::SendMessageW(lists.front(), LB_GETCOUNT, 0, 0) - 1),
                           0);
        }
    } else if (command == "close") {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        return Usage();
    }
    return 0;
}
