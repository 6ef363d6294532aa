// What the widgets of the user-interface thread keep, in one object the application owns: the
// XP look's records, the icon buttons' states, the balloon tip that the input watch and its
// timer close, and the window each forwarding group box passes its children's notifications
// to. The procedures the system calls reach it through Current(); everything in it goes with
// it, and the XP look is switched off first.
#pragma once

#include <windows.h>

#include <unordered_map>
#include <unordered_set>

#include "core/unique_handle_win.h"
#include "widgets/xp_look_style.h"

namespace yf {

class BalloonTip;

namespace xp {

// A control the XP look has taken over.
struct LookRecord {
    Kind kind;
    State state;
    HBRUSH parentBrush = nullptr;
    COLORREF parentText = RGB(0, 0, 0);
};

struct LookState {
    Scheme scheme = Scheme::Blue;
    UniqueHook hook;  // set while the look is on
    std::unordered_map<HWND, LookRecord> records;
    // Windows created while the look is on, looked at when their WM_CREATE comes.
    std::unordered_set<HWND> awaitingCreate;
};

}  // namespace xp

struct IconButtonState {
    HICON icon = nullptr;
    LONG originalMode = 0;  // the button-type bits the style had before owner drawing
    bool hovered = false;
};

class WidgetState {
  public:
    // One at a time; it is the one Current() names until it goes.
    WidgetState();
    ~WidgetState();
    WidgetState(const WidgetState&) = delete;
    WidgetState& operator=(const WidgetState&) = delete;

    // Null while no application has made one.
    static WidgetState* Current();

    xp::LookState xpLook;
    std::unordered_map<HWND, IconButtonState> iconButtons;
    // The balloon tip of the thread, which the input watch and the auto-close timer close.
    BalloonTip* balloonHost = nullptr;
    // Each forwarding group box and the window its children's notifications go to.
    std::unordered_map<HWND, HWND> forwardTargets;
};

}  // namespace yf
