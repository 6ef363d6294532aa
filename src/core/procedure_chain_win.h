// One of the program's two ways into the procedure chain of a window (the other is the skin
// engine's, whose design keeps the procedure before it in the window's "Hw_hProc" property): a
// procedure of ours put in by the window procedure itself, with the procedure before ours kept
// here rather than in a window property, since every message to such a window passes through
// ours and on some systems reading a property is a round trip to the window system. Taken out
// when ours is on top of a chain; under a procedure put in after ours it stays and passes every
// message on, so the window's own procedure still gets them. One chain per procedure of ours,
// living as long as that procedure can be called: the process.
#pragma once

#include <windows.h>

#include <unordered_map>

namespace yf {

class ProcedureChain {
  public:
    explicit ProcedureChain(WNDPROC ours) : ours_(ours) {}
    ProcedureChain(const ProcedureChain&) = delete;
    ProcedureChain& operator=(const ProcedureChain&) = delete;

    // Ours into the window's chain (once); false when the window takes no procedure.
    bool Join(HWND window);
    // Out of the chain when ours is on top of it; otherwise ours stays and passes messages on.
    // Leaving while a message of the window is in ours: that message goes on to what Before
    // gave, taken first (PassOn no longer knows the window).
    void Leave(HWND window);
    // What ours passes a message on to; null for a window ours is not in the chain of.
    WNDPROC Before(HWND window) const;
    // Passes the message on; at WM_NCDESTROY, a window's last message, the window is forgotten.
    LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    WNDPROC ours_;
    std::unordered_map<HWND, WNDPROC> before_;
};

}  // namespace yf
