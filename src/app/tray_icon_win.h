// The notification-area icon: added when shown, removed on destruction, and added again when
// the shell restarts, since a lost icon would leave a hidden window unreachable.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

namespace yf {

class TrayIcon {
public:
    TrayIcon(HWND owner, UINT callbackMessage);
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds or updates the icon (icon not owned).
    bool Show(HICON icon, std::string_view tip);
    void Remove();
    bool IsShown() const { return shown_; }

    // The owner forwards every message here; true when it was the shell's restart notice.
    bool HandleTaskbarCreated(UINT message);

private:
    NOTIFYICONDATAW Data() const;

    HWND owner_;
    UINT callbackMessage_;
    UINT taskbarCreated_;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool shown_ = false;
};

}  // namespace yf
