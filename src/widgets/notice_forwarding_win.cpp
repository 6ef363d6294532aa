#include "widgets/notice_forwarding_win.h"

#include "core/callback_guard_win.h"
#include "core/procedure_chain_win.h"
#include "widgets/widget_state_win.h"

namespace yf {
namespace {

LRESULT CALLBACK ForwardToTarget(HWND group, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// The group boxes' procedure chain; the window each forwards to is the thread's WidgetState's.
// Every message to a group box passes through, and a window property is read at a round trip.
ProcedureChain& Chain() {
    static ProcedureChain chain(&ForwardToTarget);
    return chain;
}

LRESULT Forward(PassOn& on) {
    HWND group = on.Window();
    WidgetState* widgets = WidgetState::Current();
    HWND target = nullptr;
    if (widgets) {
        const auto found = widgets->forwardTargets.find(group);
        if (found != widgets->forwardTargets.end()) target = found->second;
    }
    switch (on.Message()) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (target) return ::SendMessageW(target, on.Message(), on.WParam(), on.LParam());
            break;
        case WM_NCDESTROY:
            if (widgets) widgets->forwardTargets.erase(group);
            break;
        default:
            break;
    }
    return on();
}

LRESULT CALLBACK ForwardToTarget(HWND group, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ThroughChain(group, message, wParam, lParam, Chain());
    return GuardMessage(L"a forwarding group box's procedure", passOn,
                        [](PassOn& on) { return Forward(on); });
}

}  // namespace

bool NoticeForwarding::Join(HWND group, HWND target) {
    WidgetState* widgets = WidgetState::Current();
    if (!widgets || !group || !Chain().Join(group)) return false;
    widgets->forwardTargets[group] = target;
    return true;
}

}  // namespace yf
