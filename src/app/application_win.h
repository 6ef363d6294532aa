// The process: start-up in its fixed order, the message loop, and the exit handler that both
// ways out of the program run.
#pragma once

#include <windows.h>

namespace yf {

int RunApplication(HINSTANCE instance);

}  // namespace yf
