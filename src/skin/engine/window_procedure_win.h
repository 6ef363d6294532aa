// The procedure of every skinned top-level window, one member per message: it paints from the
// cached image (composing it again when due), drives the caption buttons (hover fades on a
// 20 ms timer, press, click), limits the size, lets children paint over the skin and trims the
// working set when the application goes to the background. The state changes themselves are
// decided by the rules of window_state.h and caption_hover.h, the drawing is the window's
// frame's; everything goes on to the window's own procedure afterwards unless a member says
// otherwise.
#pragma once

#include <windows.h>

#include "core/callback_guard_win.h"
#include "skin/frame/caption_hover.h"

namespace yf {

class EngineCore;
class WindowFrame;
struct WindowRecord;

class SkinnedWindowProcedure {
  public:
    explicit SkinnedWindowProcedure(EngineCore& core) : core_(core) {}

    // The procedure the system calls for every skinned window.
    static WNDPROC Entry();
    // One message, with the way on to the window's own procedure.
    LRESULT Handle(PassOn& passOn);

  private:
    struct Message {
        HWND window;
        WindowRecord* record;
        WindowFrame* frame;
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
        PassOn& passOn;
    };

    static LRESULT CALLBACK EntryProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept;
    LRESULT Dispatch(const Message& m);
    // Mouse, timer and child messages: false when the message goes no further (`result` then
    // holds the answer; 0 when the window is gone).
    bool DispatchInput(const Message& m, LRESULT& result);
    LRESULT OnNcDestroy(const Message& m);
    void OnShowWindow(const Message& m);
    LRESULT OnPaint(const Message& m);
    void OnSize(const Message& m);
    void OnGetMinMaxInfo(const Message& m);
    void OnWindowPosChanged(const Message& m);
    void OnSystemCommand(const Message& m);
    void OnSetText(const Message& m);
    void OnMouseMove(const Message& m);
    void OnMouseHover(const Message& m);
    // These three may end the window; they return false when nothing is left to forward to.
    bool OnLeftButtonDown(const Message& m);
    bool OnLeftButtonUp(const Message& m);
    bool OnDoubleClick(const Message& m);
    // True when the timer was the engine's own idle one, which goes no further.
    bool OnTimer(const Message& m);
    bool OnChildMessage(const Message& m, LRESULT& result);
    void ApplyHoverActions(const Message& m, const HoverActions& actions);
    // Whether the window of `m` is still registered (a click may have ended it).
    bool StillRegistered(const Message& m) const;

    EngineCore& core_;
};

}  // namespace yf
