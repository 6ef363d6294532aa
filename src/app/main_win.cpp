// Process entry: everything else happens in the application object.
#include <windows.h>

#include "app/application_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return yf::RunApplication(instance, YF_WEB_TIME_URL);
}
