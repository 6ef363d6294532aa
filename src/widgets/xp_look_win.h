// The XP-like look for the standard controls of the user-interface thread. Switched on, it takes
// over every control of a known kind that exists on the thread and, through a thread hook, each
// one created later; switched off, every control gets its own look back at once.
#pragma once

#include <windows.h>

#include <optional>

#include "widgets/xp_look_style.h"

namespace yf::xp {

// Mode 1, 2 or 3: switch off, then on with the blue, olive or silver scheme; any other mode:
// off. Returns 1 when the look is on afterwards.
int SwitchXpLook(int mode);

bool IsXpLookOn();
// The kind a window was taken over as, or nothing.
std::optional<Kind> TakenOverAs(HWND window);
std::optional<State> StateOf(HWND window);

// What the look draws over `control`, into `dc` with the control's outer corner at `at`, for a
// backdrop composed without the control's own paint: true when that is nothing (the look does
// not hold it) or the quiet frame of an edit, drawn; false when the look would draw more.
bool PaintQuietFrameInto(HWND control, HDC dc, POINT at);

}  // namespace yf::xp
