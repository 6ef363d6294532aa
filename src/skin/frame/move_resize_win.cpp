// Moving and sizing a frameless skinned window from presses in its client area, the sizing
// cursors near its edges, the windows docked in its client area, and the procedures of the
// help and main-menu caption buttons.
#include <windows.h>

#include <windowsx.h>

#include "skin/engine/engine_core_win.h"
#include "skin/frame/edge_zones.h"
#include "skin/frame/window_frame_win.h"

namespace yf {
namespace {

const wchar_t* CursorName(SizeCursor cursor) {
    switch (cursor) {
        case SizeCursor::WestEast:
            return IDC_SIZEWE;
        case SizeCursor::NorthSouth:
            return IDC_SIZENS;
        case SizeCursor::NorthWestSouthEast:
            return IDC_SIZENWSE;
        case SizeCursor::NorthEastSouthWest:
            return IDC_SIZENESW;
        case SizeCursor::None:
            break;
    }
    return nullptr;
}

void ShowCursorShape(SizeCursor cursor) {
    if (const wchar_t* name = CursorName(cursor)) ::SetCursor(::LoadCursorW(nullptr, name));
}

}  // namespace

void WindowFrame::BeginMoveOrResize(LPARAM position, const RECT& client) {
    WindowRecord* record = &record_;
    PressContext press;
    press.x = GET_X_LPARAM(position);
    press.y = GET_Y_LPARAM(position);
    press.clientWidth = client.right - client.left;
    press.clientHeight = client.bottom - client.top;
    press.margin = core_.FrameMargin();
    press.captionHeight = record->captionHeight;
    press.captionBar = record->captionBar;
    press.dblClickMaximize = record->dblClickMaximize;
    press.onButtonStrip = InPressZone(record->strip, press.x, press.y);
    const PressDecision decision = DecidePress(press);
    HWND window = record->hwnd;
    switch (decision.action) {
        case PressDecision::Action::Nothing:
            return;
        case PressDecision::Action::Move:
            // The system's move loop runs inside this call.
            ::ReleaseCapture();
            ::SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return;
        case PressDecision::Action::Resize:
            record->state.needsRender = true;
            ShowCursorShape(CursorFor(decision.zone));
            ::ReleaseCapture();
            ::SendMessageW(window, WM_SYSCOMMAND, SizeCommandFor(decision.zone), 0);
            return;
    }
}

void WindowFrame::SetBorderCursor(LPARAM position, const RECT& client) {
    const WindowRecord* record = &record_;
    ShowCursorShape(HoverCursor(GET_X_LPARAM(position), GET_Y_LPARAM(position),
                                client.right - client.left, client.bottom - client.top,
                                core_.FrameMargin(), record->captionBar, record->dblClickMaximize));
}

void WindowFrame::RelayoutDocked() {
    WindowRecord* record = &record_;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    for (const auto& [docked, top] : record->docked) {
        if (!docked) continue;
        const PixelBox place =
            PlaceDocked(client.right, client.bottom, top, record->statusBar.height + 3);
        ::MoveWindow(docked, place.x, place.y, place.width, place.height, TRUE);
    }
}

void WindowFrame::SetHelpCallback(std::function<void()> callback) {
    record_.helpCallback = std::move(callback);
}

void WindowFrame::SetMenuCallback(std::function<void()> callback) {
    record_.menuCallback = std::move(callback);
}

void WindowFrame::CaptionClick(int button) {
    WindowRecord* record = &record_;
    if (button < 1 || button > record->strip.Count()) return;
    HWND window = record->hwnd;
    const CaptionButton& target = record->strip.Button(button);
    // Commands are sent, so each is over before the click returns. A callback is copied
    // first: it may replace itself (and the window may be gone once it has run).
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

}  // namespace yf
