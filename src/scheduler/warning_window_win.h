// The warning window of the last minute before a timed action: a small tool window that stands
// over everything at the bottom right of the work area of the monitor the user works on, never
// takes the focus from the user's work, says how many seconds are left (as its own window text
// too, so screen readers and tests read it) and offers "取消" and "推迟10分钟". Esc cancels only
// once the window has been clicked. The application skins it with the skin of its main window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "core/unique_handle_win.h"
#include "scheduler/warning.h"

namespace yf {

class PassOn;

class WarningWindow : public Warning {
  public:
    static constexpr const wchar_t* kClassName = L"YfWarningWindow";
    static constexpr int kWidth = 250;
    static constexpr int kHeight = 92;
    // From the edges of the work area (and from anything it keeps clear of).
    static constexpr int kMargin = 12;
    static constexpr int kCancelId = 101;
    static constexpr int kPostponeId = 102;

    struct Handlers {
        std::function<void()> cancel;
        std::function<void()> postpone;
        // Called once the window and its children exist, before it is first shown.
        std::function<void(HWND)> skin;
        // A screen rectangle the window is not to cover when it appears (the reminder balloon
        // near the notification area); empty: none.
        std::function<RECT()> keepClearOf;
    };

    WarningWindow(HINSTANCE instance, Handlers handlers);
    ~WarningWindow() override;
    WarningWindow(const WarningWindow&) = delete;
    WarningWindow& operator=(const WarningWindow&) = delete;

    void Show(std::string_view text) override;
    void Hide() override;

    bool IsShown() const { return shown_; }
    // Null until first shown.
    HWND Handle() const { return window_; }
    HWND Button(int id) const { return window_ ? ::GetDlgItem(window_, id) : nullptr; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    static LRESULT CALLBACK WatchEscape(int code, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnMessage(PassOn& on);
    bool Create();
    void PlaceInCorner();
    void OnClicked();
    void StopWatchingEscape();

    HINSTANCE instance_;
    Handlers handlers_;
    HWND window_ = nullptr;
    HWND label_ = nullptr;
    UniqueFont textFont_;
    UniqueFont buttonFont_;
    std::wstring text_;
    bool shown_ = false;
    // Since it was last shown the user clicked it: it may have the keys now.
    bool clicked_ = false;
    HWND previousForeground_ = nullptr;
    UniqueHook escapeWatch_;
};

}  // namespace yf
