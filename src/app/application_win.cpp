#include "app/application_win.h"

#include <memory>

#include "app/app_icon_win.h"
#include "app/main_window_win.h"
#include "core/system_clock_win.h"
#include "skin/engine/skin_engine_win.h"
#include "timesync/read_chunk.h"
#include "timesync/web_client_win.h"

namespace yf {
namespace {

// Keyboard navigation between the controls (Tab) without turning the window into a dialog.
bool IsNavigationMessage(HWND window, MSG& msg) {
    return window && ::IsWindow(window) && ::IsDialogMessageW(window, &msg);
}

}  // namespace

int RunApplication(HINSTANCE instance, const wchar_t* webTimeUrl) {
    // Before any window: starts GDI+ and loads the caption icon.
    auto skinEngine = std::make_unique<SkinEngine>(instance, AppIconResource());
    SystemClock clock;
    // One HTTP client for the whole run, shared with the reading that may still be running on
    // its worker when the program ends.
    auto web = std::make_shared<WebClient>();
    WindowSeams seams;
    seams.skin = skinEngine.get();
    seams.webTimePage = [web, url = std::wstring(webTimeUrl)](ULONGLONG deadline) {
        return web->ReadWebPage(url, {deadline, kLongestTimePage});
    };
    auto window = std::make_unique<MainWindow>(instance, clock, std::move(seams));

    // Runs on both exit paths once the loop has ended, so no handler of the window is running
    // while it goes: exit path A ends the loop from a message of its own (code 0), exit path B
    // when the window is destroyed.
    auto exitHandler = [&window, &skinEngine] {
        window.reset();
        // Destroys the icon and shuts GDI+ down.
        skinEngine.reset();
    };

    if (!window->Create()) return 1;
    window->RunCreatedSequence();
    window->ShowAfterStartUp();

    MSG msg;
    int exitCode = 0;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsNavigationMessage(window->Handle(), msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT) exitCode = static_cast<int>(msg.wParam);
    exitHandler();
    return exitCode;
}

}  // namespace yf
