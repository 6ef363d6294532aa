// The balloon-tip host: pops up a balloon with a text at a screen point. Without automatic
// closing it stays until the user clicks or types in any window of this thread, the program
// is deactivated, or the next balloon replaces it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/unique_handle_win.h"

namespace yf {

class BalloonTip {
public:
    explicit BalloonTip(HWND owner);
    ~BalloonTip();
    BalloonTip(const BalloonTip&) = delete;
    BalloonTip& operator=(const BalloonTip&) = delete;

    // Icon index -1: no icon. Returns whether the tip could be shown.
    bool PopUp(int screenX, int screenY, std::string_view text, int iconIndex = -1,
               bool autoClose = false);
    void Close();
    bool IsShown() const { return shown_; }
    HWND Window() const { return tip_.get(); }

    // The owner calls this on WM_ACTIVATEAPP with wParam FALSE.
    void OnApplicationDeactivated() { Close(); }

private:
    static LRESULT CALLBACK WatchInput(int code, WPARAM wParam, LPARAM lParam) noexcept;
    static constexpr UINT_PTR kAutoCloseTimer = 0xB411;
    static constexpr UINT kAutoCloseMs = 10000;

    HWND owner_;
    UniqueWindow tip_;
    UniqueHook hook_;
    std::wstring text_;
    bool shown_ = false;
};

}  // namespace yf
