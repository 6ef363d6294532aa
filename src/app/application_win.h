// The process: start-up in its fixed order, the message loop, and the exit handler that both
// ways out of the program run.
#pragma once

#include <windows.h>

namespace yf {

// webTimeUrl: the page the clock check reads, fixed when the program is built.
int RunApplication(HINSTANCE instance, const wchar_t* webTimeUrl);

}  // namespace yf
