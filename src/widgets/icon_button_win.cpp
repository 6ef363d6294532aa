#include "widgets/icon_button_win.h"

#include <string>

#include "core/callback_guard_win.h"
#include "core/procedure_chain_win.h"
#include "core/unique_handle_win.h"
#include "widgets/button_style.h"
#include "widgets/widget_state_win.h"

namespace yf {
namespace {

constexpr int kIconSize = 16;
constexpr int kIconGap = 4;

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// The procedure chain the buttons join; their states are the thread's WidgetState's. Both are
// looked up at every message, so neither lives in a window property.
ProcedureChain& Chain() {
    static ProcedureChain chain(&ButtonProc);
    return chain;
}

IconButtonState* StateOf(HWND button) {
    WidgetState* widgets = WidgetState::Current();
    if (!widgets) return nullptr;
    const auto found = widgets->iconButtons.find(button);
    return found == widgets->iconButtons.end() ? nullptr : &found->second;
}

LRESULT OnButtonMessage(PassOn& on) {
    HWND button = on.Window();
    IconButtonState* state = StateOf(button);
    switch (on.Message()) {
        case WM_MOUSEMOVE:
            if (state && !state->hovered) {
                state->hovered = true;
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, button, 0};
                ::TrackMouseEvent(&track);
                ::InvalidateRect(button, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            if (state && state->hovered) {
                state->hovered = false;
                ::InvalidateRect(button, nullptr, FALSE);
            }
            break;
        case WM_NCDESTROY:
            if (WidgetState* widgets = WidgetState::Current()) widgets->iconButtons.erase(button);
            break;
        default:
            break;
    }
    return on();
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ThroughChain(button, message, wParam, lParam, Chain());
    return GuardMessage(L"the icon button's procedure", passOn,
                        [](PassOn& on) { return OnButtonMessage(on); });
}

}  // namespace

bool IconButton::Install(HWND button, HICON icon) {
    WidgetState* widgets = WidgetState::Current();
    if (!widgets) return false;
    if (widgets->iconButtons.count(button)) return true;
    if (!Chain().Join(button)) return false;
    widgets->iconButtons[button] = {icon, ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK,
                                    false};
    const LONG style = (::GetWindowLongW(button, GWL_STYLE) & ~BS_TYPEMASK) | BS_OWNERDRAW;
    ::SetWindowLongW(button, GWL_STYLE, style);
    ::SetWindowPos(button, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(button, nullptr, TRUE);
    return true;
}

bool IconButton::IsHovered(HWND button) {
    const IconButtonState* state = StateOf(button);
    return state && state->hovered;
}

bool IconButton::Draw(const DRAWITEMSTRUCT& item) {
    const IconButtonState* state = StateOf(item.hwndItem);
    if (!state || item.CtlType != ODT_BUTTON) return false;

    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const ButtonColours colours = IconButtonColours(state->hovered, focused);
    HDC dc = item.hDC;
    RECT frame = item.rcItem;

    UniqueBrush face(::CreateSolidBrush(colours.face));
    ::FillRect(dc, &frame, face.get());
    ::DrawEdge(dc, &frame, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const int length = ::GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(::GetWindowTextW(item.hwndItem, caption.data(), length + 1)));

    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    SelectGuard keepFont(dc, font);
    SIZE textSize{};
    ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize);

    // Icon and caption centred together; a pressed button shifts its content by one pixel.
    const int shift = pressed ? 1 : 0;
    const int contentWidth = (state->icon ? kIconSize + kIconGap : 0) + textSize.cx;
    int x = frame.left + (frame.right - frame.left - contentWidth) / 2 + shift;
    const int middle = (frame.top + frame.bottom) / 2 + shift;
    if (state->icon) {
        ::DrawIconEx(dc, x, middle - kIconSize / 2, state->icon, kIconSize, kIconSize, 0, nullptr,
                     DI_NORMAL);
        x += kIconSize + kIconGap;
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colours.text);
    RECT textRect{x, frame.top + shift, x + textSize.cx, frame.bottom + shift};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    return true;
}

}  // namespace yf
