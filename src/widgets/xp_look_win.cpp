#include "widgets/xp_look_win.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "core/unique_handle_win.h"
#include "core/window_class_win.h"
#include "skin/skinned_control_win.h"
#include "widgets/xp_look_paint_win.h"

namespace yf::xp {
namespace {

// Controls keep their own procedure through the common-controls subclass chain, so switching
// the look off is safe even when someone (the skin engine) subclassed them after us.
constexpr UINT_PTR kSubclassId = 0x5850;
constexpr UINT_PTR kAwaitCreateId = 0x5851;

struct Record {
    Kind kind;
    State state;
    HBRUSH parentBrush = nullptr;
    COLORREF parentText = RGB(0, 0, 0);
};

struct Look {
    Scheme scheme = Scheme::Blue;
    UniqueHook hook;
    std::unordered_map<HWND, Record> records;
};

Look& TheLook() {
    static Look look;
    return look;
}

void Paint(HWND window, const Record& record) {
    // Over a skin the frame is this look's only while the box is quiet: under the pointer or
    // with the focus the skin lights its own frame, which this one would cover.
    if ((record.state.hovered || record.state.focused) && IsTakenOverBySkin(window)) return;
    PaintControl({window, record.kind, record.state, TheLook().scheme, record.parentBrush,
                  record.parentText});
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

void Release(HWND window, bool redraw);

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    auto found = TheLook().records.find(window);
    if (found == TheLook().records.end()) return ::DefSubclassProc(window, message, wParam, lParam);
    Record& record = found->second;
    const Kind kind = record.kind;
    auto own = [&] { return ::DefSubclassProc(window, message, wParam, lParam); };
    auto ownThenPaint = [&] {
        const LRESULT result = own();
        Paint(window, record);
        return result;
    };
    auto defaultThenPaint = [&] {
        const LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
        Paint(window, record);
        return result;
    };

    // Messages every kind treats the same before its own table.
    if (message == WM_DESTROY) {
        const LRESULT result = own();
        Release(window, false);
        return result;
    }
    // A control the skin engine has taken over is the skin's to paint, all but the frames of
    // edit boxes and drop-down lists: those this look keeps drawing after the skin's (see Paint).
    if (!KeepsFrameUnderSkin(kind) && IsTakenOverBySkin(window)) return own();
    if (message == EM_SETREADONLY && kind == Kind::Edit) return own();
    if (message == WM_LBUTTONDOWN && kind == Kind::UpDown) return own();
    if (message == WM_ERASEBKGND) AskParentForColours(window, record);

    bool paintAfterCommon = false;
    if (IsButtonKind(kind)) {
        switch (message) {
            case WM_SETTEXT:
            case WM_PAINT: return defaultThenPaint();
            case WM_ERASEBKGND: return own();
            case BM_SETCHECK:
                record.state.checked = wParam == BST_CHECKED;
                record.state.indeterminate = wParam == BST_INDETERMINATE;
                return ownThenPaint();
            case BM_SETSTATE:
                record.state.pressed = wParam != 0;
                return ownThenPaint();
            case BM_SETSTYLE:
                record.state.isDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
                return ownThenPaint();
            default: break;
        }
    } else if (kind == Kind::Edit) {
        switch (message) {
            case WM_PAINT:
            case WM_NCPAINT:
            case WM_HSCROLL:
            case WM_VSCROLL: return ownThenPaint();
            case WM_NCMOUSEMOVE:
                if (!record.state.hovered) {
                    record.state.hovered = true;
                    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window, 0};
                    ::TrackMouseEvent(&track);
                    return defaultThenPaint();
                }
                break;
            case WM_MOUSELEAVE:
            case WM_NCMOUSELEAVE:
                if (record.state.hovered) {
                    record.state.hovered = false;
                    return defaultThenPaint();
                }
                break;
            default: break;
        }
    } else if (kind == Kind::ComboBox) {
        switch (message) {
            case WM_PAINT:
            case WM_NCPAINT: return ownThenPaint();
            case WM_LBUTTONDOWN: record.state.pressed = true; return ownThenPaint();
            case WM_LBUTTONUP: record.state.pressed = false; return ownThenPaint();
            default: break;
        }
    } else if (kind == Kind::UpDown) {
        switch (message) {
            case WM_PAINT:
            case WM_NCPAINT: return defaultThenPaint();
            case WM_ERASEBKGND: return 1;
            case WM_MOUSEMOVE: {
                RECT client;
                ::GetClientRect(window, &client);
                const int half = UpDownHalf(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)),
                                            client.right, client.bottom, record.state.horizontal);
                paintAfterCommon = half != record.state.hotHalf;
                record.state.hotHalf = half;
                break;
            }
            case WM_LBUTTONUP: record.state.pressed = false; return ownThenPaint();
            default: break;
        }
    } else if (kind == Kind::GroupBox) {
        if (message == WM_PAINT || message == WM_NCPAINT) return defaultThenPaint();
    }

    switch (message) {
        case WM_SETFOCUS: record.state.focused = true; return ownThenPaint();
        case WM_KILLFOCUS: record.state.focused = false; return ownThenPaint();
        case WM_ENABLE: record.state.disabled = wParam == 0; return ownThenPaint();
        case WM_MOUSEMOVE:
            if (!record.state.hovered && !(wParam & MK_LBUTTON)) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
                ::TrackMouseEvent(&track);
                record.state.hovered = true;
                return ownThenPaint();
            }
            if (paintAfterCommon) return ownThenPaint();
            break;
        case WM_MOUSELEAVE:
            if (record.state.hovered) {
                record.state.hovered = false;
                record.state.hotHalf = 0;
                return ownThenPaint();
            }
            break;
        default: break;
    }
    return own();
}

void TakeOver(HWND window) {
    Look& look = TheLook();
    if (look.records.count(window)) return;
    HWND parent = ::GetParent(window);
    const std::string className = ClassNameOf(window);
    const std::string parentClass = parent ? ClassNameOf(parent) : std::string();
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(window, GWL_STYLE));
    const auto kind = Classify({className, style, parentClass, ::GetWindowTextLengthW(window) > 0});
    if (!kind) return;

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
    if (!::SetWindowSubclass(window, ControlProc, kSubclassId, 0)) return;
    look.records.emplace(window, record);
}

void Release(HWND window, bool redraw) {
    ::RemoveWindowSubclass(window, ControlProc, kSubclassId);
    TheLook().records.erase(window);
    if (redraw) {
        ::RedrawWindow(window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

BOOL CALLBACK TakeOverChild(HWND window, LPARAM) {
    TakeOver(window);
    return TRUE;
}

BOOL CALLBACK TakeOverThreadWindow(HWND window, LPARAM) {
    TakeOver(window);
    ::EnumChildWindows(window, TakeOverChild, 0);  // all levels
    return TRUE;
}

// A new window is looked at when its WM_CREATE comes, once its text and style are in place;
// this one-shot subclass waits for that message and then leaves.
LRESULT CALLBACK AwaitCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    if (message == WM_CREATE || message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, AwaitCreate, kAwaitCreateId);
        if (message == WM_CREATE && TheLook().hook) TakeOver(window);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

// A CBT hook runs at a handful of window events only; a hook on sent messages would run (and
// cost a round trip through the window system) at every message the thread sends.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        ::SetWindowSubclass(reinterpret_cast<HWND>(wParam), AwaitCreate, kAwaitCreateId, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SwitchOff() {
    Look& look = TheLook();
    look.hook.reset();
    std::vector<HWND> windows;
    windows.reserve(look.records.size());
    for (const auto& entry : look.records) windows.push_back(entry.first);
    for (HWND window : windows) Release(window, true);
}

}  // namespace

int SwitchXpLook(int mode) {
    SwitchOff();
    if (mode < 1 || mode > 3) return 0;
    Look& look = TheLook();
    look.scheme = static_cast<Scheme>(mode);
    look.hook.reset(::SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId()));
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeOverThreadWindow, 0);
    return 1;
}

bool IsXpLookOn() { return static_cast<bool>(TheLook().hook); }

std::optional<Kind> TakenOverAs(HWND window) {
    const auto found = TheLook().records.find(window);
    if (found == TheLook().records.end()) return std::nullopt;
    return found->second.kind;
}

bool PaintQuietFrameInto(HWND control, HDC dc, POINT at) {
    const auto found = TheLook().records.find(control);
    if (found == TheLook().records.end()) return true;
    const Record& record = found->second;
    if (record.kind != Kind::Edit || record.state.hovered || record.state.focused) return false;
    PaintEditFrameAt({control, record.kind, record.state, TheLook().scheme, record.parentBrush,
                      record.parentText},
                     dc, at);
    return true;
}

std::optional<State> StateOf(HWND window) {
    const auto found = TheLook().records.find(window);
    if (found == TheLook().records.end()) return std::nullopt;
    return found->second.state;
}

}  // namespace yf::xp
