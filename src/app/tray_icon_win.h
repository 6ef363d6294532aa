// The notification-area icon: added when shown, removed on destruction, and added again when
// the shell restarts, since a lost icon would leave a hidden window unreachable. An add the
// shell refuses (at logon the notification area may not exist yet) is remembered, so that the
// owner can try again until it succeeds.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

namespace yf {

// The shell's notification-area call (Shell_NotifyIconW); tests put one in that fails.
using TrayNotifier = std::function<bool(DWORD message, NOTIFYICONDATAW& data)>;

class TrayIcon {
public:
    // notify: empty for the shell itself.
    TrayIcon(HWND owner, UINT callbackMessage, TrayNotifier notify = nullptr);
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds or updates the icon (icon not owned); with no icon removes it. False when the shell
    // did not take the icon: it stays wanted, and Retry() or a shell restart adds it later.
    bool Show(HICON icon, std::string_view tip);
    // The icon leaves the tray and is no longer wanted there.
    void Remove();
    bool IsShown() const { return shown_; }
    // Wanted in the tray but not taken by the shell yet.
    bool IsPending() const { return wanted_ && !shown_; }
    // Tries a pending add again; true when the icon is in the tray afterwards.
    bool Retry();

    // The owner forwards every message here; true when it was the shell's restart notice, after
    // which a wanted icon has been added again (see IsShown for whether that worked).
    bool HandleTaskbarCreated(UINT message);

private:
    NOTIFYICONDATAW Data() const;
    bool Notify(DWORD message);
    bool Add();

    HWND owner_;
    UINT callbackMessage_;
    UINT taskbarCreated_;
    TrayNotifier notify_;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool wanted_ = false;
    bool shown_ = false;
};

}  // namespace yf
