// Process entry: everything else happens in the application object.
#include <windows.h>

#include "app/application_win.h"
#include "core/system_libraries_win.h"
#include "timesync/elevated_clock_set_win.h"

// The C runtime's own start: it runs the static constructors, then wWinMain.
#if defined(_MSC_VER)
extern "C" int wWinMainCRTStartup(void*);
#define YF_RUNTIME_START() wWinMainCRTStartup(nullptr)
#else
extern "C" int WinMainCRTStartup();
#define YF_RUNTIME_START() WinMainCRTStartup()
#endif

// The program file's entry point (set by the build): the DLL search is narrowed before the
// runtime or any constructor could load a DLL by name.
extern "C" int YfProcessStart() {
    yf::KeepDllSearchInSystemFolder();
    return YF_RUNTIME_START();
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The program started elevated by itself to set the clock: that set, no window.
    if (const std::optional<int> exitCode = yf::RunPrivateRequest()) return *exitCode;
    return yf::RunApplication(instance, YF_WEB_TIME_URL);
}
