#include "scheduler/warning_window_win.h"

#include <algorithm>

#include "core/callback_guard_win.h"
#include "core/wide_text_win.h"
#include "widgets/transparent_label_win.h"

namespace yf {
namespace {

// Esc, seen by the thread's message watch, asks the window to cancel with this.
constexpr UINT kEscapeMessage = WM_APP + 1;
constexpr int kLabelId = 100;
constexpr COLORREF kTextColour = RGB(255, 128, 0);

// The one warning window of the thread whose Esc is watched; the hook reaches it through this.
WarningWindow* g_escapeWatcher = nullptr;

bool RegisterWarningClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExW(instance, WarningWindow::kClassName, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = WarningWindow::kClassName;
    return ::RegisterClassExW(&wc) != 0;
}

HFONT MakeFont(int height, int weight) {
    return ::CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"");
}

bool IsButtonPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// The work area of the monitor that holds the window the user works in; the primary one when
// no window has the foreground.
RECT WorkAreaOfForegroundMonitor() {
    const HMONITOR monitor = ::MonitorFromWindow(::GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && ::GetMonitorInfoW(monitor, &info)) return info.rcWork;
    RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

}  // namespace

WarningWindow::WarningWindow(HINSTANCE instance, Handlers handlers)
    : instance_(instance), handlers_(std::move(handlers)) {}

WarningWindow::~WarningWindow() {
    StopWatchingEscape();
    if (window_) ::DestroyWindow(window_);
}

bool WarningWindow::Create() {
    if (!RegisterWarningClass(instance_, &WindowProc) || !TransparentLabel::Register(instance_)) {
        return false;
    }
    // Topmost so nothing hides it, no activation and no taskbar button so it never takes the
    // keys from the user's work; no owner, so a main window hidden in the tray hides nothing.
    window_ =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, L"",
                          WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr, instance_, this);
    if (!window_) return false;
    textFont_.reset(MakeFont(16, FW_BOLD));
    buttonFont_.reset(MakeFont(12, FW_NORMAL));
    LabelStyle style;
    style.colour = kTextColour;
    style.horizontalAlign = 1;
    label_ = TransparentLabel::Create(window_, kLabelId, RECT{10, 12, kWidth - 10, 40}, "",
                                      textFont_.get(), style, true);
    const struct {
        int id;
        const wchar_t* caption;
        RECT at;
    } buttons[] = {
        {kCancelId, L"取消", {27, 52, 107, 78}},
        {kPostponeId, L"推迟10分钟", {127, 52, 223, 78}},
    };
    for (const auto& button : buttons) {
        HWND made = ::CreateWindowExW(
            0, L"BUTTON", button.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
            button.at.left, button.at.top, button.at.right - button.at.left,
            button.at.bottom - button.at.top, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance_, nullptr);
        if (made) {
            ::SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
        }
    }
    // The children exist now, so the engine takes them over with the window.
    if (handlers_.skin) handlers_.skin(window_);
    return true;
}

void WarningWindow::Show(std::string_view text) {
    if (!window_ && !Create()) return;
    const std::wstring wide = Widen(text);
    if (wide != text_) {
        text_ = wide;
        ::SetWindowTextW(window_, text_.c_str());
        if (label_) ::SetWindowTextW(label_, text_.c_str());
    }
    if (shown_) return;
    PlaceInCorner();
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    shown_ = true;
}

void WarningWindow::PlaceInCorner() {
    const RECT work = WorkAreaOfForegroundMonitor();
    const int left = work.right - kWidth - kMargin;
    int top = work.bottom - kHeight - kMargin;
    if (handlers_.keepClearOf) {
        const RECT clear = handlers_.keepClearOf();
        const RECT mine{left, top, left + kWidth, top + kHeight};
        RECT overlap;
        if (::IntersectRect(&overlap, &mine, &clear)) {
            top = std::max<int>(work.top, clear.top - kHeight - kMargin);
        }
    }
    ::SetWindowPos(window_, HWND_TOPMOST, left, top, kWidth, kHeight, SWP_NOACTIVATE);
}

void WarningWindow::Hide() {
    if (!shown_) return;
    shown_ = false;
    StopWatchingEscape();
    const bool hadTheKeys = clicked_ && ::GetForegroundWindow() == window_;
    ::ShowWindow(window_, SW_HIDE);
    // Clicking it made it the foreground window: the user's work gets the keys back.
    if (hadTheKeys && previousForeground_ && ::IsWindow(previousForeground_)) {
        ::SetForegroundWindow(previousForeground_);
    }
    clicked_ = false;
    previousForeground_ = nullptr;
}

void WarningWindow::OnClicked() {
    if (clicked_ || !shown_) return;
    clicked_ = true;
    // Only now may it have the keys, so that Esc can reach it; the user's own click allows
    // the change of foreground window.
    previousForeground_ = ::GetForegroundWindow();
    if (g_escapeWatcher && g_escapeWatcher != this) g_escapeWatcher->StopWatchingEscape();
    g_escapeWatcher = this;
    escapeWatch_.reset(
        ::SetWindowsHookExW(WH_GETMESSAGE, &WatchEscape, nullptr, ::GetCurrentThreadId()));
    ::SetForegroundWindow(window_);
}

void WarningWindow::StopWatchingEscape() {
    escapeWatch_.reset();
    if (g_escapeWatcher == this) g_escapeWatcher = nullptr;
}

LRESULT CALLBACK WarningWindow::WatchEscape(int code, WPARAM wParam, LPARAM lParam) noexcept {
    GuardCall(L"the warning's key watch", [&] {
        // Esc goes to whichever of its windows has the focus (a button after a press that
        // slid off it, say); the message is taken out and handed to the window itself.
        auto* msg = reinterpret_cast<MSG*>(lParam);
        WarningWindow* watcher = g_escapeWatcher;
        if (code == HC_ACTION && wParam == PM_REMOVE && watcher && watcher->window_ &&
            msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE &&
            (msg->hwnd == watcher->window_ || ::IsChild(watcher->window_, msg->hwnd))) {
            msg->message = WM_NULL;
            ::PostMessageW(watcher->window_, kEscapeMessage, 0, 0);
        }
    });
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK WarningWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToDefault(window, message, wParam, lParam);
    return GuardMessage(L"the warning window's procedure", passOn, [&](PassOn& on) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<WarningWindow*>(
                reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<WarningWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return on();
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->StopWatchingEscape();
            self->window_ = nullptr;
            self->label_ = nullptr;
            self->shown_ = false;
            return on();
        }
        return self->OnMessage(on);
    });
}

LRESULT WarningWindow::OnMessage(PassOn& on) {
    const UINT message = on.Message();
    const WPARAM wParam = on.WParam();
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                if (LOWORD(wParam) == kCancelId && handlers_.cancel) handlers_.cancel();
                if (LOWORD(wParam) == kPostponeId && handlers_.postpone) handlers_.postpone();
            }
            return 0;
        case kEscapeMessage:
            if (shown_ && clicked_ && handlers_.cancel) handlers_.cancel();
            return 0;
        case WM_MOUSEACTIVATE:
            // Asked before the click activates anything (on its buttons too), so the window
            // the user worked in is still known; the window then activates itself.
            OnClicked();
            return MA_NOACTIVATE;
        case WM_PARENTNOTIFY:
            if (IsButtonPress(LOWORD(wParam))) OnClicked();
            break;
        case WM_CLOSE:
            // Only its buttons and Esc end the warning; the window itself stays until then.
            return 0;
        default:
            if (IsButtonPress(message)) OnClicked();
            break;
    }
    return on();
}

}  // namespace yf
