// Drawing of the XP-like faces and frames, one function per control kind. Each face is drawn
// into an off-screen copy of the whole window rectangle that is copied back in one piece; the
// frames of edit boxes and lists, two plain lines, straight onto the window.
#pragma once

#include <windows.h>

#include "widgets/xp_look_style.h"

namespace yf::xp {

struct PaintInput {
    HWND window;
    Kind kind;
    State state;
    Scheme scheme;
    HBRUSH parentBrush;      // last answer of the parent to WM_CTLCOLORBTN, may be null
    COLORREF parentText;     // text colour set by the parent then
};

void PaintControl(const PaintInput& input);
// An edit's frame as PaintControl draws it, into `dc` with the edit's outer corner at `at`.
void PaintEditFrameAt(const PaintInput& input, HDC dc, POINT at);

// Whether an edit-like control has a frame the look replaces.
bool HasFrame(HWND window);

}  // namespace yf::xp
