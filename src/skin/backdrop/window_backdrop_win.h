// What the backdrop keeps for one skinned window, held in the window's record so that it goes
// with the window: the backgrounds handed to its see-through children (each pattern brush with
// the stamp of what it shows, and the children holding the hollow brush), and the paints
// waiting for the see-through labels above them to be refreshed, by the parent they lie in.
#pragma once

#include <windows.h>

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/unique_handle_win.h"
#include "skin/backdrop/background_stamp.h"

namespace yf {

struct PendingRefresh {
    HWND control;
    UniqueRegion painted;  // screen coordinates
};

struct WindowBackdrop {
    // The background each pattern brush handed to a child shows.
    std::unordered_map<HWND, BackgroundStamp> handedStamps;
    // The children holding the stock hollow brush: handing it again changes nothing, and a child
    // asks for it at every paint.
    std::unordered_set<HWND> hollowHolders;
    // Paints of children of each parent (the window or a control in it) since the refresh
    // message was posted to that parent.
    std::unordered_map<HWND, std::vector<PendingRefresh>> pendingRefresh;

    // A child or parent that goes before its window: nothing kept for it stays behind, and a
    // later parent with its handle posts its refresh again.
    void Forget(HWND window) {
        handedStamps.erase(window);
        hollowHolders.erase(window);
        pendingRefresh.erase(window);
    }
};

}  // namespace yf
