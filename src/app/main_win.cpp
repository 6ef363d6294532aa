// Process entry: everything else happens in the application object.
#include <windows.h>

#include "app/application_win.h"
#include "timesync/elevated_clock_set_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The program started elevated by itself to set the clock: that set, no window.
    if (const std::optional<int> exitCode = yf::RunPrivateRequest()) return *exitCode;
    return yf::RunApplication(instance, YF_WEB_TIME_URL);
}
