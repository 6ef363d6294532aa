#include "app/tray_icon_win.h"

#include <algorithm>

#include "core/wide_text_win.h"

namespace yf {
namespace {
constexpr UINT kIconId = 1;
}

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, TrayNotifier notify)
    : owner_(owner),
      callbackMessage_(callbackMessage),
      taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")),
      notify_(std::move(notify)) {
    // Run elevated, the window would not hear a new shell announce itself: the shell runs
    // with lower rights.
    if (taskbarCreated_ != 0 && owner_) {
        ::ChangeWindowMessageFilterEx(owner_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
    }
}

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

bool TrayIcon::Notify(DWORD message) {
    NOTIFYICONDATAW data = Data();
    return notify_ ? notify_(message, data) : ::Shell_NotifyIconW(message, &data) != FALSE;
}

// A busy shell can report a timeout for an add it still carries out, so an icon it may already
// hold is updated first and added only when that fails.
bool TrayIcon::Add() {
    shown_ = Notify(NIM_MODIFY) || Notify(NIM_ADD);
    return shown_;
}

bool TrayIcon::Show(HICON icon, std::string_view tip) {
    if (!icon) {
        Remove();
        return true;
    }
    icon_ = icon;
    tip_ = Widen(tip);
    wanted_ = true;
    return Add();
}

void TrayIcon::Remove() {
    wanted_ = false;
    if (!shown_) return;
    Notify(NIM_DELETE);
    shown_ = false;
}

bool TrayIcon::Retry() {
    if (IsPending()) Add();
    return shown_;
}

bool TrayIcon::HandleTaskbarCreated(UINT message) {
    if (message != taskbarCreated_ || taskbarCreated_ == 0) return false;
    // A new shell knows none of the old icons.
    if (wanted_) Add();
    return true;
}

}  // namespace yf
