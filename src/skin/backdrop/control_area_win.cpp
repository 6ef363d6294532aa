#include "skin/backdrop/control_area_win.h"

#include <utility>

#include "skin/backdrop/control_area.h"

namespace yf {

RECT ClientAreaOf(HWND control) {
    RECT outer{};
    RECT client{};
    ::GetWindowRect(control, &outer);
    ::GetClientRect(control, &client);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const PixelBox box =
        ClientAreaInOuter({outer.right - outer.left, outer.bottom - outer.top, client.right,
                           client.bottom, (style & WS_VSCROLL) != 0, (style & WS_HSCROLL) != 0});
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

SIZE OuterSizeOf(HWND control) {
    RECT outer{};
    ::GetWindowRect(control, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

bool HasFrame(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    const SIZE outer = OuterSizeOf(control);
    return client.right != outer.cx || client.bottom != outer.cy;
}

UniqueRegion ScrollBarRegion(HWND control) {
    if (!HasScrollBarStyle(control)) return UniqueRegion();
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    bool any = false;
    for (LONG bar : {OBJID_VSCROLL, OBJID_HSCROLL}) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetScrollBarInfo(control, bar, &info)) continue;
        if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) continue;
        UniqueRegion part(::CreateRectRgnIndirect(&info.rcScrollBar));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
        any = true;
    }
    return any ? std::move(region) : UniqueRegion();
}

bool HasScrollBarStyle(HWND control) {
    return (::GetWindowLongW(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

void InvalidateVisibleChildren(HWND control) {
    for (HWND child = ::GetWindow(control, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
    }
}

}  // namespace yf
