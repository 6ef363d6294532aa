#include "core/window_class_win.h"

#include "core/wide_text_win.h"

namespace yf {

std::string ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    if (!window || !::GetClassNameW(window, name, 256)) return {};
    return Narrow(name);
}

}  // namespace yf
