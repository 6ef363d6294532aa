#include "app/tray_icon_win.h"

#include <shellapi.h>

#include <algorithm>

#include "core/wide_text_win.h"

namespace yf {
namespace {
constexpr UINT kIconId = 1;
}

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage)
    : owner_(owner),
      callbackMessage_(callbackMessage),
      taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")) {}

NOTIFYICONDATAW TrayIcon::Data() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    const std::size_t length = std::min(tip_.size(), std::size(data.szTip) - 1);
    std::copy_n(tip_.c_str(), length, data.szTip);
    return data;
}

bool TrayIcon::Show(HICON icon, std::string_view tip) {
    if (!icon) {
        Remove();
        return true;
    }
    icon_ = icon;
    tip_ = Widen(tip);
    NOTIFYICONDATAW data = Data();
    if (shown_ && ::Shell_NotifyIconW(NIM_MODIFY, &data)) return true;
    shown_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    return shown_;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    NOTIFYICONDATAW data = Data();
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
}

bool TrayIcon::HandleTaskbarCreated(UINT message) {
    if (message != taskbarCreated_ || taskbarCreated_ == 0) return false;
    if (shown_) {
        NOTIFYICONDATAW data = Data();
        ::Shell_NotifyIconW(NIM_ADD, &data);
    }
    return true;
}

}  // namespace yf
