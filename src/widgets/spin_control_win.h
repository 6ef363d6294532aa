// The hour, minute and second spinners: plain vertical up-down controls without a buddy that
// report +1 for the upper arrow and -1 for the lower one, auto-repeating while held.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace yf {

class SpinControl {
public:
    static HWND Create(HWND parent, int id, RECT rect, bool visible);
    // Direction of a UDN_DELTAPOS notification: +1 up, -1 down, 0 not a spin press.
    static int Direction(const NMHDR& header);
};

}  // namespace yf
