// The procedure of every skinned top-level window, one member per message: it paints from the
// cached image (composing it again when due), drives the caption buttons (hover fades on a
// 20 ms timer, press, click), limits the size, lets children paint over the skin and trims the
// working set when the application goes to the background. The state changes themselves are
// decided by the rules of window_state.h and caption_hover.h; everything goes on to the
// window's own procedure afterwards unless a member says otherwise.
#pragma once

#include <windows.h>

#include "skin/frame/caption_hover.h"

namespace yf {

class SkinEngine;
struct WindowRecord;

class SkinnedWindowProcedure {
  public:
    explicit SkinnedWindowProcedure(SkinEngine& engine) : engine_(engine) {}
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    struct Message {
        HWND window;
        int index;
        WindowRecord* record;
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT Forward(const Message& m);
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

    SkinEngine& engine_;
};

}  // namespace yf
