// Drives the skin gallery from outside its process: finds its window by title, lists its
// controls with their places (window coordinates, as screenshots are cropped), moves the real
// pointer, presses the skin keys and closes it. The gallery's end-to-end script calls it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/wide_text_win.h"
#include "gallery/gallery_layout.h"

namespace {

using namespace yf;

HWND FindGallery() {
    return ::FindWindowW(L"YfSkinGallery", Widen(gallery::kTitle).c_str());
}

HWND WaitForGallery(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND window = FindGallery();
        if (window && ::IsWindowVisible(window)) return window;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

std::string ClassOf(HWND window) {
    wchar_t name[128] = {};
    ::GetClassNameW(window, name, 128);
    return Narrow(name);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: gallery_driver wait-window MS | rect | controls | hover X Y |\n"
                 "       hover-off | key DIGIT | keep-items CLASS COUNT | close\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(argv[i]));
    if (args.empty()) return Usage();
    const std::string& command = args[0];
    const DWORD timeout = command == "wait-window" && args.size() > 1
                              ? std::strtoul(args[1].c_str(), nullptr, 10)
                              : 10000;
    HWND window = WaitForGallery(timeout);
    if (!window) {
        std::fprintf(stderr, "gallery window not found\n");
        return 1;
    }
    RECT frame{};
    ::GetWindowRect(window, &frame);
    if (command == "wait-window" || command == "rect") {
        std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                    frame.bottom - frame.top);
        return 0;
    }
    if (command == "controls") {
        // Every control, the group box's too: class, place, enabled, style, text, the parent's
        // class (tab-separated).
        struct Out {
            HWND window;
        } out{window};
        ::EnumChildWindows(
            window,
            [](HWND child, LPARAM data) -> BOOL {
                HWND top = reinterpret_cast<Out*>(data)->window;
                if (!::IsWindowVisible(child)) return TRUE;
                RECT rect{};
                ::GetWindowRect(child, &rect);
                ::MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&rect), 2);
                const auto style = static_cast<unsigned>(::GetWindowLongW(child, GWL_STYLE));
                std::printf("%s\t%ld\t%ld\t%ld\t%ld\t%d\t%x\t%s\t%s\n", ClassOf(child).c_str(),
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            ::IsWindowEnabled(child) ? 1 : 0, style & 0xF,
                            WindowText(child).c_str(), ClassOf(::GetParent(child)).c_str());
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&out));
        return 0;
    }
    if (command == "hover" && args.size() >= 3) {
        ::SetCursorPos(frame.left + std::atoi(args[1].c_str()),
                       frame.top + std::atoi(args[2].c_str()));
        return 0;
    }
    if (command == "hover-off") {
        ::SetCursorPos(0, 0);
        return 0;
    }
    if (command == "key" && args.size() >= 2 && args[1].size() == 1) {
        // As the key would reach the window with nothing focused in it.
        ::PostMessageW(window, WM_KEYDOWN, static_cast<WPARAM>(args[1][0]), 0);
        ::PostMessageW(window, WM_KEYUP, static_cast<WPARAM>(args[1][0]), 0);
        return 0;
    }
    if (command == "keep-items" && args.size() >= 3) {
        // The first list box of that class keeps only its first COUNT items.
        HWND list = ::FindWindowExW(window, nullptr, Widen(args[1]).c_str(), nullptr);
        if (!list) return 1;
        const auto keep = static_cast<LRESULT>(std::atoi(args[2].c_str()));
        for (LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0); count > keep; --count) {
            ::SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(count - 1), 0);
        }
        return 0;
    }
    if (command == "close") {
        ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return Usage();
}
