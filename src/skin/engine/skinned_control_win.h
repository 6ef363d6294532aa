// What other layers may ask the skin engine about a control without knowing its records.
#pragma once

#include <windows.h>

#include <functional>

namespace yf {

// True while the skin engine paints `control` (it has taken the control over as a child of a
// skinned window or container, or as a colour-keyed control).
bool IsTakenOverBySkin(HWND control);

// Called after each child under a see-through window has been composed, with where the child
// lies in `dc`: draws what another layer paints over that child (false: it cannot).
using BackdropOverlay = std::function<bool(HWND child, HDC dc, POINT at)>;

// What lies under the see-through `window` (a label), composed into `dc` (its client area, at
// 0, 0) from the faces the engine keeps: the container it stands on and the edit boxes under
// it, as a repaint of them would show them. False when something there is not the engine's to
// compose (another see-through window, a control of another family, an edit with text, the
// focus or the pointer, a parent that is no container); `dc` then holds nothing usable.
bool ComposeSeeThroughBackdrop(HWND window, HDC dc, const BackdropOverlay& drawOver);

}  // namespace yf
