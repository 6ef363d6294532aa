// Where the parts of a control lie, as every painter and the backdrop ask: its client area in
// its outer coordinates, its outer size, whether it has a frame, the scroll bars it shows.
#pragma once

#include <windows.h>

#include "core/unique_handle_win.h"

namespace yf {

// The client area of `control` in its outer (window) coordinates.
RECT ClientAreaOf(HWND control);
// The size of the control's window rectangle.
SIZE OuterSizeOf(HWND control);
// Whether the control has a non-client area (a border or scroll bars) around its client area.
bool HasFrame(HWND control);

// The scroll bars `control` shows, in screen coordinates; null when it shows none.
UniqueRegion ScrollBarRegion(HWND control);
bool HasScrollBarStyle(HWND control);

// Every visible direct child of `control` repaints with its background, over what the engine
// has just painted under it.
void InvalidateVisibleChildren(HWND control);

}  // namespace yf
