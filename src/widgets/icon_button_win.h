// The push button with a 16 x 16 icon left of its caption. It turns itself owner-drawn so that
// it paints every state in its own colours (and the skin's button painter leaves it alone).
#pragma once

#include <windows.h>

namespace yf {

class IconButton {
public:
    // Takes over an existing "BUTTON" window; the icon is not owned.
    static bool Install(HWND button, HICON icon);
    // The parent forwards WM_DRAWITEM of its buttons here; false when not an icon button.
    static bool Draw(const DRAWITEMSTRUCT& item);
    static bool IsHovered(HWND button);
};

}  // namespace yf
