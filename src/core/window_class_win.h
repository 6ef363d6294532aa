// The class name of a window, which every layer that treats controls by kind asks for.
#pragma once

#include <windows.h>

#include <string>

namespace yf {

// As GetClassNameW gives it (up to 255 characters), in UTF-8; empty for a null window.
std::string ClassNameOf(HWND window);

}  // namespace yf
