#include "core/message_boxes_win.h"

#include <windows.h>

#include "core/wide_text_win.h"

namespace yf {

int SystemMessageBoxes::Show(std::string_view text, std::string_view caption, unsigned flags) {
    return ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

}  // namespace yf
