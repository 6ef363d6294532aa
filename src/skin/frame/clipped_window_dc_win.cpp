#include "skin/frame/clipped_window_dc_win.h"

#include "core/window_children_win.h"
#include "skin/engine/engine_core_win.h"

namespace yf {

ClippedWindowDc::ClippedWindowDc(HWND window, HDC borrowed)
    : ClippedWindowDc(window, borrowed, ChildrenOf(window)) {}

ClippedWindowDc::ClippedWindowDc(HWND window, HDC borrowed, const std::vector<HWND>& children)
    : window_(window), dc_(borrowed ? borrowed : ::GetDC(window)), owned_(!borrowed) {
    if (!dc_) return;
    if (!owned_) savedState_ = ::SaveDC(dc_);
    const EngineCore* engine = EngineCore::Current();
    for (HWND child : children) {
        if (!::IsWindowVisible(child)) continue;
        // See-through children are drawn over the image after it.
        if (::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
        if (engine && engine->FindWindowIndex(child) != 0) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        ::ExcludeClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
    }
}

ClippedWindowDc::~ClippedWindowDc() {
    if (!dc_) return;
    if (owned_) {
        ::ReleaseDC(window_, dc_);
    } else if (savedState_) {
        ::RestoreDC(dc_, savedState_);
    }
}

}  // namespace yf
