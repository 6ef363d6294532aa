// Moving and sizing a frameless skinned window from presses in its client area, the sizing
// cursors near its edges, the windows docked in its client area, and the procedures of the
// help and main-menu caption buttons.
#include <windows.h>

#include <windowsx.h>

#include "skin/families/container/container_layout.h"
#include "skin/frame/edge_zones.h"
#include "skin/engine/skin_engine_win.h"

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

void SkinEngine::BeginMoveOrResize(int index, LPARAM position, const RECT& client) {
    WindowRecord* record = Record(index);
    if (!record) return;
    PressContext press;
    press.x = GET_X_LPARAM(position);
    press.y = GET_Y_LPARAM(position);
    press.clientWidth = client.right - client.left;
    press.clientHeight = client.bottom - client.top;
    press.margin = frameMargin_;
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

void SkinEngine::SetBorderCursor(int index, LPARAM position, const RECT& client) {
    WindowRecord* record = Record(index);
    if (!record) return;
    ShowCursorShape(HoverCursor(GET_X_LPARAM(position), GET_Y_LPARAM(position),
                                client.right - client.left, client.bottom - client.top,
                                frameMargin_, record->captionBar, record->dblClickMaximize));
}

void SkinEngine::RelayoutDocked(int index) {
    WindowRecord* record = Record(index);
    if (!record) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    for (const auto& [docked, top] : record->docked) {
        if (!docked) continue;
        const PixelBox place =
            PlaceDocked(client.right, client.bottom, top, record->statusBar.height + 3);
        ::MoveWindow(docked, place.x, place.y, place.width, place.height, TRUE);
    }
}

bool SkinEngine::SetHelpCallback(HWND window, std::function<void()> callback) {
    WindowRecord* record = Record(FindWindowIndex(window));
    if (!record) return false;
    record->helpCallback = std::move(callback);
    return true;
}

bool SkinEngine::SetMenuCallback(HWND window, std::function<void()> callback) {
    WindowRecord* record = Record(FindWindowIndex(window));
    if (!record) return false;
    record->menuCallback = std::move(callback);
    return true;
}

}  // namespace yf
