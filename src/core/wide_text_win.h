// UTF-8 <-> UTF-16 at the Win32 boundary; everything inside the program is UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace yf {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The window's text through GetWindowTextW, as UTF-8.
std::string WindowText(HWND window);

}  // namespace yf
