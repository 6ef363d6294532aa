#include "skin/engine/window_procedure_win.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/wide_text_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/window_properties_win.h"
#include "skin/engine/working_set_win.h"
#include "skin/frame/window_frame_win.h"

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

WNDPROC SkinnedWindowProcedure::Entry() {
    return &SkinnedWindowProcedure::EntryProcedure;
}

LRESULT CALLBACK SkinnedWindowProcedure::EntryProcedure(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToPropertyProcedure(window, message, wParam, lParam, prop::kOldProc);
    return GuardMessage(L"a skinned window's procedure", passOn, [](PassOn& on) {
        EngineCore* core = EngineCore::Current();
        return core ? core->Procedure().Handle(on) : on();
    });
}

LRESULT SkinnedWindowProcedure::Handle(PassOn& passOn) {
    // The engine's own list, not the window's "Hw_lbID": every message passes here, and a
    // property read is a round trip through the window system. Both name the same record.
    HWND window = passOn.Window();
    WindowRecord* record = core_.RecordOf(window);
    if (!record || !record->frame) return passOn();
    passOn.Retarget(record->oldProc);
    return Dispatch({window, record, record->frame.get(), passOn.Message(), passOn.WParam(),
                     passOn.LParam(), passOn});
}

LRESULT SkinnedWindowProcedure::Dispatch(const Message& m) {
    LRESULT result = 0;
    if (m.id == SeeThroughRefreshMessage()) {
        FlushSeeThroughRefresh(*m.record, m.window);
        return 0;
    }
    switch (m.id) {
        case WM_QUIT:
            core_.ShutDownGdiplus();
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
    return m.passOn();
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

bool SkinnedWindowProcedure::StillRegistered(const Message& m) const {
    return core_.FindWindowIndex(m.window) != 0 && ::IsWindow(m.window);
}

LRESULT SkinnedWindowProcedure::OnNcDestroy(const Message& m) {
    ::KillTimer(m.window, FadeTimerId(m.window));
    // The way on was taken from the record, which goes now.
    core_.ReleaseWindow(m.record->index);
    return m.passOn();
}

void SkinnedWindowProcedure::OnShowWindow(const Message& m) {
    // Composed now, so the first paint after showing is a copy.
    if (m.wParam && OnShown(m.record->state)) m.frame->Render(nullptr, false);
}

LRESULT SkinnedWindowProcedure::OnPaint(const Message& m) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m.window, &paint);
    switch (OnPaintRequest(m.record->state)) {
        case PaintAction::Render:
            m.frame->Render(dc, true);
            break;
        case PaintAction::CopyImage:
            m.frame->ShowCachedImage(dc);
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
    OnSized(m.record->state, core_.MutableFirstSize());
    m.frame->RelayoutDocked();
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
    m.frame->LayoutCaptionButtons();
    if (m.record->statusBar.height > 0) m.frame->LayoutStatusBar();
}

void SkinnedWindowProcedure::OnSystemCommand(const Message& m) {
    yf::OnSystemCommand(m.record->state, CommandOf(m.wParam));
}

void SkinnedWindowProcedure::OnSetText(const Message& m) {
    if (m.record->showTitle && m.record->captionBar && m.lParam) {
        m.frame->PaintTitle(nullptr, TextOf(m.window, m.lParam));
    }
}

void SkinnedWindowProcedure::ApplyHoverActions(const Message& m, const HoverActions& actions) {
    if (actions.trackMouse) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, m.window, 1};
        ::TrackMouseEvent(&track);
    }
    if (actions.startTimer) ::SetTimer(m.window, FadeTimerId(m.window), kFadeTimerMs, nullptr);
    for (const ButtonRepaint& repaint : actions.repaints) {
        m.frame->PaintCaptionButton(repaint.button, nullptr, false, repaint.opacity);
    }
    if (actions.stopTimer) ::KillTimer(m.window, FadeTimerId(m.window));
}

void SkinnedWindowProcedure::OnMouseMove(const Message& m) {
    WindowRecord& record = *m.record;
    const int x = GET_X_LPARAM(m.lParam);
    const int y = GET_Y_LPARAM(m.lParam);
    const bool inZone = InHoverZone(record.strip, x, y);
    core_.SetHotButton(record.captionBar ? m.frame->CaptionHitTest(x, y) : 0);
    ApplyHoverActions(
        m, OnCaptionMouseMove(record.captionHover, record.captionBar, inZone, core_.HotButton()));
    if (!record.state.maximized) m.frame->SetBorderCursor(m.lParam, ClientRectOf(m.window));
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
        m.frame->BeginMoveOrResize(m.lParam, ClientRectOf(m.window));
        // Moving or sizing may have ended the window, and its record with it.
        if (!StillRegistered(m)) return false;
    }
    const int button = m.frame->CaptionHitTest(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
    core_.SetHotButton(button);
    if (button > 0) m.frame->PaintCaptionButton(button, nullptr, true, 0);
    return true;
}

bool SkinnedWindowProcedure::OnLeftButtonUp(const Message& m) {
    const int button = core_.HotButton();
    if (button > 0 && button <= m.record->strip.Count() && m.record->captionBar) {
        m.frame->CaptionClick(button);
        // A click may close the window: nothing of it is left to forward to.
        if (!StillRegistered(m)) return false;
    }
    return true;
}

bool SkinnedWindowProcedure::OnDoubleClick(const Message& m) {
    if (GET_Y_LPARAM(m.lParam) > m.record->captionHeight || !m.record->dblClickMaximize) {
        return true;
    }
    const int button = m.frame->MaximizeButtonIndex();
    if (button <= 0) return true;
    m.frame->CaptionClick(button);
    return StillRegistered(m);
}

bool SkinnedWindowProcedure::OnTimer(const Message& m) {
    if (m.wParam == FadeTimerId(m.window)) {
        ApplyHoverActions(m, OnCaptionFadeTick(m.record->captionHover));
        return false;
    }
    if (m.wParam != core_.FinishingTimerId()) return false;
    ::KillTimer(m.window, core_.FinishingTimerId());
    core_.FinishPreparation();
    return true;
}

bool SkinnedWindowProcedure::OnChildMessage(const Message& m, LRESULT& result) {
    switch (m.id) {
        case WM_NOTIFY:
            RefreshAfterTreeChange(m.lParam);
            return core_.OfferChildMessage(m.window, m.id, m.wParam, m.lParam, result);
        case WM_DRAWITEM:
            return core_.OfferChildMessage(m.window, m.id, m.wParam, m.lParam, result);
        case WM_COMMAND:
            RefreshAfterNotification(core_.Settings(), m.wParam, m.lParam);
            return false;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (const auto brush = AnswerColourRequest(core_.GetBackdrop(), *m.record, m.id,
                                                       reinterpret_cast<HDC>(m.wParam),
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
