// The direct children of a window in z-order. Walking the z-order is one round trip to the
// window system per step on some systems, so a caller that looks at the children twice asks
// for them once.
#pragma once

#include <windows.h>

#include <vector>

namespace yf {

// From the top of the z-order down; empty for a window without children.
std::vector<HWND> ChildrenOf(HWND window);

}  // namespace yf
