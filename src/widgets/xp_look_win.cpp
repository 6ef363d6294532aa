#include "widgets/xp_look_win.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/callback_guard_win.h"
#include "core/procedure_chain_win.h"
#include "core/unique_handle_win.h"
#include "core/window_class_win.h"
#include "skin/engine/skinned_control_win.h"
#include "widgets/widget_state_win.h"
#include "widgets/xp_look_paint_win.h"

namespace yf::xp {
namespace {

// The look's procedure joins each control's chain by itself (ProcedureChain) and finds its
// data in the records the thread's WidgetState keeps: every message to the control passes
// through here. Switched off under someone who subclassed the control after us (the skin
// engine), it stays and passes everything on.

using Record = LookRecord;
using Look = LookState;

// Null while no WidgetState exists: the look is off.
Look* TheLook() {
    WidgetState* widgets = WidgetState::Current();
    return widgets ? &widgets->xpLook : nullptr;
}

void Paint(const Look& look, HWND window, const Record& record) {
    // Over a skin the frame is this look's only while the box is quiet: under the pointer or
    // with the focus the skin lights its own frame, which this one would cover.
    if ((record.state.hovered || record.state.focused) && IsTakenOverBySkin(window)) return;
    PaintControl(
        {window, record.kind, record.state, look.scheme, record.parentBrush, record.parentText});
}

void AskParentForColours(HWND window, Record& record) {
    HWND parent = ::GetParent(window);
    if (!parent) return;
    WindowDc dc(window);
    record.parentBrush = reinterpret_cast<HBRUSH>(::SendMessageW(
        parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(window)));
    record.parentText = ::GetTextColor(dc.get());
}

bool IsButtonKind(Kind kind) {
    return kind == Kind::PushButton || kind == Kind::CheckBox || kind == Kind::RadioButton;
}

void Release(Look& look, HWND window, bool redraw);
bool TakeOver(Look& look, HWND window);
LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

ProcedureChain& Chain() {
    static ProcedureChain chain(&ControlProc);
    return chain;
}

// Messages to a window we hold no record of: WM_CREATE of a new one is when it is looked at.
LRESULT PassOnUnknown(Look* look, PassOn& on) {
    HWND window = on.Window();
    const UINT message = on.Message();
    if (look && message == WM_NCDESTROY) look->awaitingCreate.erase(window);
    if (look && message == WM_CREATE && look->awaitingCreate.erase(window)) {
        // Not one of ours: out of its chain, and its own procedure still gets this message.
        const WNDPROC old = Chain().Before(window);
        if (old && (!look->hook || !TakeOver(*look, window))) {
            on.Retarget(old);
            Chain().Leave(window);
            return on();
        }
    }
    return on();
}

// One message to a control of the look, with the ways to answer it.
struct Call {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    PassOn& on;
    Look& look;
    Record& record;

    LRESULT Own() const { return on(); }
    LRESULT OwnThenPaint() const {
        const LRESULT result = Own();
        Paint(look, window, record);
        return result;
    }
    LRESULT DefaultThenPaint() const {
        const LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
        Paint(look, window, record);
        return result;
    }
};

std::optional<LRESULT> ButtonMessage(const Call& call) {
    State& state = call.record.state;
    switch (call.message) {
        case WM_SETTEXT:
        case WM_PAINT: return call.DefaultThenPaint();
        case WM_ERASEBKGND: return call.Own();
        case BM_SETCHECK:
            state.checked = call.wParam == BST_CHECKED;
            state.indeterminate = call.wParam == BST_INDETERMINATE;
            return call.OwnThenPaint();
        case BM_SETSTATE:
            state.pressed = call.wParam != 0;
            return call.OwnThenPaint();
        case BM_SETSTYLE:
            state.isDefault = (call.wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            return call.OwnThenPaint();
        default: return std::nullopt;
    }
}

std::optional<LRESULT> EditMessage(const Call& call) {
    State& state = call.record.state;
    switch (call.message) {
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_HSCROLL:
        case WM_VSCROLL: return call.OwnThenPaint();
        case WM_NCMOUSEMOVE:
            if (state.hovered) return std::nullopt;
            state.hovered = true;
            {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, call.window, 0};
                ::TrackMouseEvent(&track);
            }
            return call.DefaultThenPaint();
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            if (!state.hovered) return std::nullopt;
            state.hovered = false;
            return call.DefaultThenPaint();
        default: return std::nullopt;
    }
}

std::optional<LRESULT> ComboMessage(const Call& call) {
    switch (call.message) {
        case WM_PAINT:
        case WM_NCPAINT: return call.OwnThenPaint();
        case WM_LBUTTONDOWN: call.record.state.pressed = true; return call.OwnThenPaint();
        case WM_LBUTTONUP: call.record.state.pressed = false; return call.OwnThenPaint();
        default: return std::nullopt;
    }
}

// `halfChanged`: a mouse move went from one arrow to the other, to be painted after the
// messages every kind shares.
std::optional<LRESULT> UpDownMessage(const Call& call, bool& halfChanged) {
    State& state = call.record.state;
    switch (call.message) {
        case WM_PAINT:
        case WM_NCPAINT: return call.DefaultThenPaint();
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE: {
            RECT client;
            ::GetClientRect(call.window, &client);
            const int half = UpDownHalf(static_cast<short>(LOWORD(call.lParam)),
                                        static_cast<short>(HIWORD(call.lParam)), client.right,
                                        client.bottom, state.horizontal);
            halfChanged = half != state.hotHalf;
            state.hotHalf = half;
            return std::nullopt;
        }
        case WM_LBUTTONUP: state.pressed = false; return call.OwnThenPaint();
        default: return std::nullopt;
    }
}

// Focus, enabling and the pointer, alike for every kind.
LRESULT CommonMessage(const Call& call, bool halfChanged) {
    State& state = call.record.state;
    switch (call.message) {
        case WM_SETFOCUS: state.focused = true; return call.OwnThenPaint();
        case WM_KILLFOCUS: state.focused = false; return call.OwnThenPaint();
        case WM_ENABLE: state.disabled = call.wParam == 0; return call.OwnThenPaint();
        case WM_MOUSEMOVE:
            if (!state.hovered && !(call.wParam & MK_LBUTTON)) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, call.window, 0};
                ::TrackMouseEvent(&track);
                state.hovered = true;
                return call.OwnThenPaint();
            }
            return halfChanged ? call.OwnThenPaint() : call.Own();
        case WM_MOUSELEAVE:
            if (!state.hovered) return call.Own();
            state.hovered = false;
            state.hotHalf = 0;
            return call.OwnThenPaint();
        default: return call.Own();
    }
}

LRESULT Handle(PassOn& on) {
    HWND window = on.Window();
    const UINT message = on.Message();
    Look* look = TheLook();
    auto found = look ? look->records.find(window) : decltype(look->records.find(window)){};
    if (!look || found == look->records.end()) return PassOnUnknown(look, on);
    const Call call{window, message, on.WParam(), on.LParam(), on, *look, found->second};
    const Kind kind = call.record.kind;

    // Messages every kind treats the same before its own table.
    if (message == WM_DESTROY) {
        const LRESULT result = call.Own();
        Release(*look, window, false);
        return result;
    }
    // A control the skin engine has taken over is the skin's to paint, all but the frames of
    // edit boxes and drop-down lists: those this look keeps drawing after the skin's (see Paint).
    if (!KeepsFrameUnderSkin(kind) && IsTakenOverBySkin(window)) return call.Own();
    if (message == EM_SETREADONLY && kind == Kind::Edit) return call.Own();
    if (message == WM_LBUTTONDOWN && kind == Kind::UpDown) return call.Own();
    if (message == WM_ERASEBKGND) AskParentForColours(window, call.record);

    bool halfChanged = false;
    std::optional<LRESULT> answer;
    if (IsButtonKind(kind)) {
        answer = ButtonMessage(call);
    } else if (kind == Kind::Edit) {
        answer = EditMessage(call);
    } else if (kind == Kind::ComboBox) {
        answer = ComboMessage(call);
    } else if (kind == Kind::UpDown) {
        answer = UpDownMessage(call, halfChanged);
    } else if (kind == Kind::GroupBox && (message == WM_PAINT || message == WM_NCPAINT)) {
        answer = call.DefaultThenPaint();
    }
    return answer ? *answer : CommonMessage(call, halfChanged);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ThroughChain(window, message, wParam, lParam, Chain());
    return GuardMessage(L"the XP look's procedure", passOn, [](PassOn& on) { return Handle(on); });
}

// A record for a window of a known kind, with our procedure in its chain; false for any
// other window.
bool TakeOver(Look& look, HWND window) {
    if (look.records.count(window)) return true;
    HWND parent = ::GetParent(window);
    const std::string className = ClassNameOf(window);
    const std::string parentClass = parent ? ClassNameOf(parent) : std::string();
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(window, GWL_STYLE));
    const auto kind = Classify({className, style, parentClass, ::GetWindowTextLengthW(window) > 0});
    if (!kind) return false;

    Record record{*kind, {}};
    record.state.disabled = style & WS_DISABLED;
    record.state.focused = ::GetFocus() == window;
    record.state.isDefault = *kind == Kind::PushButton && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    record.state.readOnly = *kind == Kind::Edit && (style & ES_READONLY);
    record.state.horizontal = *kind == Kind::UpDown && (style & UDS_HORZ);
    if (*kind == Kind::CheckBox || *kind == Kind::RadioButton) {
        const auto check = ::SendMessageW(window, BM_GETCHECK, 0, 0);
        record.state.checked = check == BST_CHECKED;
        record.state.indeterminate = check == BST_INDETERMINATE;
    }
    if (!Chain().Join(window)) return false;
    look.records.emplace(window, record);
    return true;
}

void Release(Look& look, HWND window, bool redraw) {
    look.records.erase(window);
    Chain().Leave(window);
    if (redraw) {
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

BOOL CALLBACK TakeOverChild(HWND window, LPARAM lParam) noexcept {
    return GuardCall(L"the XP look's take-over", TRUE, [&] {
        TakeOver(*reinterpret_cast<Look*>(lParam), window);
        return TRUE;
    });
}

BOOL CALLBACK TakeOverThreadWindow(HWND window, LPARAM lParam) noexcept {
    return GuardCall(L"the XP look's take-over", TRUE, [&] {
        TakeOver(*reinterpret_cast<Look*>(lParam), window);
        ::EnumChildWindows(window, TakeOverChild, lParam);  // all levels
        return TRUE;
    });
}

// A new window is looked at when its WM_CREATE comes, once its text and style are in place:
// our procedure goes into its chain now and waits for that message (PassOnUnknown). A CBT hook
// runs at a handful of window events only; a hook on sent messages would run (and cost a round
// trip through the window system) at every message the thread sends.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) noexcept {
    GuardCall(L"the XP look's creation watch", [&] {
        Look* look = TheLook();
        if (code == HCBT_CREATEWND && look) {
            const auto window = reinterpret_cast<HWND>(wParam);
            if (Chain().Join(window)) look->awaitingCreate.insert(window);
        }
    });
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SwitchOff(Look& look) {
    look.hook.reset();
    std::vector<HWND> windows;
    windows.reserve(look.records.size());
    for (const auto& entry : look.records) windows.push_back(entry.first);
    for (HWND window : windows) Release(look, window, true);
}

// The look's record of `window`, or null.
const Record* RecordOf(HWND window) {
    const Look* look = TheLook();
    if (!look) return nullptr;
    const auto found = look->records.find(window);
    return found == look->records.end() ? nullptr : &found->second;
}

}  // namespace

int SwitchXpLook(int mode) {
    Look* look = TheLook();
    if (!look) return 0;
    SwitchOff(*look);
    if (mode < 1 || mode > 3) return 0;
    look->scheme = static_cast<Scheme>(mode);
    look->hook.reset(::SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId()));
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeOverThreadWindow,
                        reinterpret_cast<LPARAM>(look));
    return 1;
}

bool IsXpLookOn() {
    const Look* look = TheLook();
    return look && look->hook;
}

std::optional<Kind> TakenOverAs(HWND window) {
    const Record* record = RecordOf(window);
    return record ? std::optional<Kind>(record->kind) : std::nullopt;
}

bool PaintQuietFrameInto(HWND control, HDC dc, POINT at) {
    const Record* record = RecordOf(control);
    if (!record) return true;
    if (record->kind != Kind::Edit || record->state.hovered || record->state.focused) return false;
    PaintEditFrameAt({control, record->kind, record->state, TheLook()->scheme, record->parentBrush,
                      record->parentText},
                     dc, at);
    return true;
}

std::optional<State> StateOf(HWND window) {
    const Record* record = RecordOf(window);
    return record ? std::optional<State>(record->state) : std::nullopt;
}

}  // namespace yf::xp
