// The system's own text for an error code, in the user's language, for boxes that tell why
// something was refused.
#pragma once

#include <windows.h>

#include <string>

namespace yf {

// FormatMessageW of `error` without its trailing line break, and the code after it
// ("拒绝访问。（代码 5）"); only the code when the system has no text for it.
std::string SystemMessageText(DWORD error);

}  // namespace yf
