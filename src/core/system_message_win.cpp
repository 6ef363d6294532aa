#include "core/system_message_win.h"

#include "core/wide_text_win.h"

namespace yf {

std::string SystemMessageText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (length > 0 && buffer) text.assign(buffer, length);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    const std::string code = "（代码 " + std::to_string(error) + "）";
    return text.empty() ? code : Narrow(text) + code;
}

}  // namespace yf
