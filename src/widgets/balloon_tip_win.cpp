#include "widgets/balloon_tip_win.h"

#include <commctrl.h>

#include "core/callback_guard_win.h"
#include "core/tool_info_win.h"
#include "core/wide_text_win.h"
#include "widgets/widget_state_win.h"

namespace yf {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 320;

// One host per thread is all the program has; the hook and timer reach it through the
// thread's WidgetState.
BalloonTip* Host() {
    WidgetState* widgets = WidgetState::Current();
    return widgets ? widgets->balloonHost : nullptr;
}

TTTOOLINFOW ToolInfo(HWND owner, wchar_t* text) {
    return MakeToolInfo(owner, kToolId, TTF_TRACK | TTF_ABSOLUTE, text);
}

bool ClosesTip(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        case WM_MOUSEWHEEL:
        case WM_KEYDOWN: case WM_SYSKEYDOWN:
            return true;
        default:
            return false;
    }
}

void CALLBACK AutoClose(HWND tip, UINT, UINT_PTR id, DWORD) noexcept {
    GuardCall(L"the balloon's closing timer", [&] {
        ::KillTimer(tip, id);
        if (BalloonTip* host = Host()) host->Close();
    });
}

}  // namespace

BalloonTip::BalloonTip(HWND owner) : owner_(owner) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    tip_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                 nullptr, instance, nullptr));
    if (tip_) {
        TTTOOLINFOW info = ToolInfo(owner_, const_cast<wchar_t*>(L""));
        ::SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        ::SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    }
    if (WidgetState* widgets = WidgetState::Current()) widgets->balloonHost = this;
}

BalloonTip::~BalloonTip() {
    WidgetState* widgets = WidgetState::Current();
    if (widgets && widgets->balloonHost == this) widgets->balloonHost = nullptr;
}

bool BalloonTip::PopUp(int screenX, int screenY, std::string_view text, int /*iconIndex*/,
                       bool autoClose) {
    // The host carries no image list, so an icon index has nothing to show.
    if (!tip_) return false;
    Close();
    text_ = Widen(text);
    TTTOOLINFOW info = ToolInfo(owner_, text_.data());
    ::SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageW(tip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(screenX, screenY));
    ::SendMessageW(tip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    shown_ = ::IsWindowVisible(tip_.get()) != FALSE;
    // The input watch runs only while a balloon is up: a message hook costs a round trip
    // through the window system at every message the thread takes.
    if (shown_) {
        hook_.reset(::SetWindowsHookExW(WH_GETMESSAGE, WatchInput, nullptr, ::GetCurrentThreadId()));
    }
    if (shown_ && autoClose) ::SetTimer(tip_.get(), kAutoCloseTimer, kAutoCloseMs, AutoClose);
    return shown_;
}

void BalloonTip::Close() {
    if (!tip_ || !shown_) return;
    ::KillTimer(tip_.get(), kAutoCloseTimer);
    TTTOOLINFOW info = ToolInfo(owner_, text_.data());
    ::SendMessageW(tip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    shown_ = false;
    hook_.reset();
}

LRESULT CALLBACK BalloonTip::WatchInput(int code, WPARAM wParam, LPARAM lParam) noexcept {
    GuardCall(L"the balloon's input watch", [&] {
        BalloonTip* host = Host();
        if (code == HC_ACTION && wParam == PM_REMOVE && host && host->shown_) {
            const MSG* msg = reinterpret_cast<const MSG*>(lParam);
            if (ClosesTip(msg->message)) host->Close();
        }
    });
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace yf
