#include "skin/engine/window_procedure_win.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/wide_text_win.h"
#include "skin/backdrop/child_painting_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/working_set_win.h"

namespace yf {
namespace {

// The text a WM_SETTEXT carries, as UTF-8.
std::string TextOf(HWND window, LPARAM lParam) {
    if (::IsWindowUnicode(window)) return Narrow(reinterpret_cast<const wchar_t*>(lParam));
    const char* ansi = reinterpret_cast<const char*>(lParam);
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 1)), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
    return Narrow(wide.c_str());
}

UINT_PTR FadeTimerId(HWND window) {
    return reinterpret_cast<UINT_PTR>(window);
}

int TaskbarHeight() {
    HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT rect{};
    if (!taskbar || !::GetWindowRect(taskbar, &rect)) return 0;
    return rect.bottom - rect.top;
}

Size2 ScreenSize() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

SystemCommand CommandOf(WPARAM wParam) {
    switch (wParam) {
        case SC_MAXIMIZE:
            return SystemCommand::Maximize;
        case SC_RESTORE:
            return SystemCommand::Restore;
        case SC_MINIMIZE:
            return SystemCommand::Minimize;
        default:
            return SystemCommand::Other;
    }
}

RECT ClientRectOf(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
}

}  // namespace

LRESULT CALLBACK SkinEngine::WindowEntry(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    try {
        if (SkinEngine* engine = Current()) {
            return engine->SkinWindowProc(window, message, wParam, lParam);
        }
    } catch (...) {
        // Nothing may cross into the system; the window's own procedure answers instead.
    }
    return CallOldProc(window, kChildKeys, message, wParam, lParam);
}

LRESULT SkinEngine::SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return procedure_->Handle(window, message, wParam, lParam);
}

void SkinEngine::CaptionClick(int index, int button) {
    WindowRecord* record = Record(index);
    if (!record || button < 1 || button > record->strip.Count()) return;
    HWND window = record->hwnd;
    const CaptionButton& target = record->strip.Button(button);
    // Commands are sent, so each is over before the click returns. A callback is copied
    // first: it may replace itself.
    switch (target.kind) {
        case CaptionButtonKind::Close:
            ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case CaptionButtonKind::Maximize: {
            const SystemCommand command = OnMaximizeClick(record->state);
            ::SendMessageW(window, WM_SYSCOMMAND,
                           command == SystemCommand::Maximize ? SC_MAXIMIZE : SC_RESTORE, 0);
            break;
        }
        case CaptionButtonKind::Minimize:
            OnMinimizeClick(record->state);
            ::SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case CaptionButtonKind::Help:
            if (record->helpCallback) std::function<void()>(record->helpCallback)();
            break;
        case CaptionButtonKind::MainMenu:
            if (record->menuCallback) std::function<void()>(record->menuCallback)();
            break;
        case CaptionButtonKind::Custom:
            if (target.callback) std::function<void()>(target.callback)();
            break;
    }
}

LRESULT SkinnedWindowProcedure::Forward(const Message& m) {
    return ::CallWindowProcW(m.record->oldProc, m.window, m.id, m.wParam, m.lParam);
}

LRESULT SkinnedWindowProcedure::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The engine's own list, not the window's "Hw_lbID": every message passes here, and a
    // property read is a round trip through the window system. Both name the same record.
    const int index = engine_.FindWindowIndex(window);
    WindowRecord* record = engine_.Record(index);
    if (!record || record->hwnd != window) {
        return CallOldProc(window, kChildKeys, message, wParam, lParam);
    }
    return Dispatch({window, index, record, message, wParam, lParam});
}

LRESULT SkinnedWindowProcedure::Dispatch(const Message& m) {
    LRESULT result = 0;
    if (m.id == SeeThroughRefreshMessage()) {
        FlushSeeThroughRefresh(m.window);
        return 0;
    }
    switch (m.id) {
        case WM_QUIT:
            engine_.ShutDownGdiplus();
            break;
        case WM_NCDESTROY:
            return OnNcDestroy(m);
        case WM_SHOWWINDOW:
            OnShowWindow(m);
            break;
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
            return 1;
        case WM_PAINT:
            return OnPaint(m);
        case WM_QUERYOPEN:
            OnQueryOpen(m.record->state);
            break;
        case WM_SIZE:
            OnSize(m);
            break;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(m);
            break;
        case WM_WINDOWPOSCHANGED:
            OnWindowPosChanged(m);
            break;
        case WM_SYSCOMMAND:
            OnSystemCommand(m);
            break;
        case WM_SETTEXT:
            OnSetText(m);
            break;
        case WM_ACTIVATEAPP:
            if (!m.wParam) StartWorkingSetTrim();
            break;
        default:
            if (!DispatchInput(m, result)) return result;
            break;
    }
    return Forward(m);
}

bool SkinnedWindowProcedure::DispatchInput(const Message& m, LRESULT& result) {
    switch (m.id) {
        case WM_MOUSEMOVE:
            OnMouseMove(m);
            return true;
        case WM_MOUSEHOVER:
            OnMouseHover(m);
            return true;
        case WM_MOUSELEAVE:
            ApplyHoverActions(m, OnCaptionMouseLeave(m.record->captionHover, m.record->captionBar));
            return true;
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(m);
        case WM_LBUTTONUP:
            return OnLeftButtonUp(m);
        case WM_LBUTTONDBLCLK:
            return OnDoubleClick(m);
        case WM_TIMER:
            return !OnTimer(m);
        default:
            return !OnChildMessage(m, result);
    }
}

LRESULT SkinnedWindowProcedure::OnNcDestroy(const Message& m) {
    const WNDPROC old = m.record->oldProc;
    ::KillTimer(m.window, FadeTimerId(m.window));
    engine_.ReleaseWindow(m.index);
    return ::CallWindowProcW(old, m.window, m.id, m.wParam, m.lParam);
}

void SkinnedWindowProcedure::OnShowWindow(const Message& m) {
    // Composed now, so the first paint after showing is a copy.
    if (m.wParam && OnShown(m.record->state)) engine_.RenderWindow(m.index, nullptr, false);
}

LRESULT SkinnedWindowProcedure::OnPaint(const Message& m) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m.window, &paint);
    switch (OnPaintRequest(m.record->state)) {
        case PaintAction::Render:
            engine_.RenderWindow(m.index, dc, true);
            break;
        case PaintAction::CopyImage:
            engine_.ShowCachedImage(m.index, dc);
            break;
        case PaintAction::Nothing:
            break;
    }
    ::EndPaint(m.window, &paint);
    // The window's own procedure never sees WM_PAINT.
    return ::DefWindowProcW(m.window, m.id, m.wParam, m.lParam);
}

void SkinnedWindowProcedure::OnSize(const Message& m) {
    m.record->captionHover.hotButton = 0;
    OnSized(m.record->state, engine_.settings_.firstSize);
    engine_.RelayoutDocked(m.index);
}

void SkinnedWindowProcedure::OnGetMinMaxInfo(const Message& m) {
    auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
    if (!info) return;
    const WindowRecord& record = *m.record;
    const int taskbar = record.state.maximized ? TaskbarHeight() : 0;
    const Size2 largest = MaxTrackSize(record.state, {record.maxTrackWidth, record.maxTrackHeight},
                                       ScreenSize(), taskbar);
    info->ptMinTrackSize = {record.minTrackWidth, record.minTrackHeight};
    info->ptMaxTrackSize = {largest.width, largest.height};
}

void SkinnedWindowProcedure::OnWindowPosChanged(const Message& m) {
    const RECT client = ClientRectOf(m.window);
    const ClampToWorkArea clamp =
        OnPositionChanged(m.record->state, m.record->showMaximize, {client.right, client.bottom},
                          ScreenSize(), TaskbarHeight());
    // Maximized over the whole screen: keep the taskbar visible.
    if (clamp.resize) {
        ::SetWindowPos(m.window, nullptr, 0, 0, clamp.size.width, clamp.size.height,
                       SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
    engine_.LayoutCaptionButtons(m.index);
    if (m.record->statusBar.height > 0) engine_.LayoutStatusBar(m.index);
}

void SkinnedWindowProcedure::OnSystemCommand(const Message& m) {
    yf::OnSystemCommand(m.record->state, CommandOf(m.wParam));
}

void SkinnedWindowProcedure::OnSetText(const Message& m) {
    if (m.record->showTitle && m.record->captionBar && m.lParam) {
        engine_.PaintTitle(m.index, nullptr, TextOf(m.window, m.lParam));
    }
}

void SkinnedWindowProcedure::ApplyHoverActions(const Message& m, const HoverActions& actions) {
    if (actions.trackMouse) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, m.window, 1};
        ::TrackMouseEvent(&track);
    }
    if (actions.startTimer) ::SetTimer(m.window, FadeTimerId(m.window), kFadeTimerMs, nullptr);
    for (const ButtonRepaint& repaint : actions.repaints) {
        engine_.PaintCaptionButton(m.index, repaint.button, nullptr, false, repaint.opacity);
    }
    if (actions.stopTimer) ::KillTimer(m.window, FadeTimerId(m.window));
}

void SkinnedWindowProcedure::OnMouseMove(const Message& m) {
    WindowRecord& record = *m.record;
    const int x = GET_X_LPARAM(m.lParam);
    const int y = GET_Y_LPARAM(m.lParam);
    const bool inZone = InHoverZone(record.strip, x, y);
    engine_.hotButton_ = record.captionBar ? engine_.CaptionHitTest(m.index, x, y) : 0;
    ApplyHoverActions(
        m, OnCaptionMouseMove(record.captionHover, record.captionBar, inZone, engine_.hotButton_));
    if (!record.state.maximized) engine_.SetBorderCursor(m.index, m.lParam, ClientRectOf(m.window));
}

void SkinnedWindowProcedure::OnMouseHover(const Message& m) {
    m.record->captionHover.mouseInside = true;
    // The hover has come; only the leave is still of interest. Asking for it alone drops the
    // 1 ms hover period, which some systems keep polling the pointer at until the mouse leaves.
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m.window, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
}

bool SkinnedWindowProcedure::OnLeftButtonDown(const Message& m) {
    OnCaptionPress(m.record->captionHover);
    if (!m.record->captionBar) return true;
    if (!m.record->state.maximized && !m.record->state.minimized) {
        engine_.BeginMoveOrResize(m.index, m.lParam, ClientRectOf(m.window));
        // Moving or sizing may have ended the window.
        const WindowRecord* still = engine_.Record(m.index);
        if (!still || still->hwnd != m.window) return false;
    }
    const int button =
        engine_.CaptionHitTest(m.index, GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
    engine_.hotButton_ = button;
    if (button > 0) engine_.PaintCaptionButton(m.index, button, nullptr, true, 0);
    return true;
}

bool SkinnedWindowProcedure::OnLeftButtonUp(const Message& m) {
    const int button = engine_.hotButton_;
    if (button > 0 && button <= m.record->strip.Count() && m.record->captionBar) {
        engine_.CaptionClick(m.index, button);
        // A click may close the window: nothing of it is left to forward to.
        if (!::IsWindow(m.window)) return false;
    }
    return true;
}

bool SkinnedWindowProcedure::OnDoubleClick(const Message& m) {
    if (GET_Y_LPARAM(m.lParam) > m.record->captionHeight || !m.record->dblClickMaximize) {
        return true;
    }
    const int button = engine_.MaximizeButtonIndex(m.index);
    if (button <= 0) return true;
    engine_.CaptionClick(m.index, button);
    return ::IsWindow(m.window) != FALSE;
}

bool SkinnedWindowProcedure::OnTimer(const Message& m) {
    if (m.wParam == FadeTimerId(m.window)) {
        ApplyHoverActions(m, OnCaptionFadeTick(m.record->captionHover));
        return false;
    }
    if (m.wParam != engine_.FinishingTimerId()) return false;
    ::KillTimer(m.window, engine_.FinishingTimerId());
    engine_.FinishPreparation();
    return true;
}

bool SkinnedWindowProcedure::OnChildMessage(const Message& m, LRESULT& result) {
    switch (m.id) {
        case WM_NOTIFY:
            RefreshAfterTreeChange(m.lParam);
            return engine_.OfferChildMessage(m.window, m.id, m.wParam, m.lParam, result);
        case WM_DRAWITEM:
            return engine_.OfferChildMessage(m.window, m.id, m.wParam, m.lParam, result);
        case WM_COMMAND:
            RefreshAfterNotification(engine_, m.wParam, m.lParam);
            return false;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (const auto brush =
                    AnswerColourRequest(engine_, m.id, reinterpret_cast<HDC>(m.wParam),
                                        reinterpret_cast<HWND>(m.lParam))) {
                result = *brush;
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace yf
