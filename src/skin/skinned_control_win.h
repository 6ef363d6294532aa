// What other layers may ask the skin engine about a control without knowing its records.
#pragma once

#include <windows.h>

namespace yf {

// True while the skin engine paints `control` (it has taken the control over as a child of a
// skinned window or container, or as a colour-keyed control).
bool IsTakenOverBySkin(HWND control);

}  // namespace yf
