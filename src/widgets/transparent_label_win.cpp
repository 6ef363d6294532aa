#include "widgets/transparent_label_win.h"

#include <memory>
#include <string>
#include <vector>

#include "core/callback_guard_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "core/window_children_win.h"
#include "skin/engine/skinned_control_win.h"
#include "widgets/xp_look_win.h"

namespace yf {
namespace {

// The surface a label composes its backdrop on, kept from one repaint to the next: making a
// DC and a bitmap at every tick of a clock costs more than the copies themselves.
class BackdropSurface {
  public:
    BackdropSurface() = default;
    BackdropSurface(const BackdropSurface&) = delete;
    BackdropSurface& operator=(const BackdropSurface&) = delete;
    ~BackdropSurface() {
        if (dc_) ::SelectObject(dc_.get(), previous_);
    }

    // A DC `width` x `height` large, like the one of `window`; null when none can be made.
    HDC Prepare(HWND window, int width, int height) {
        if (dc_ && width == width_ && height == height_) return dc_.get();
        if (dc_) ::SelectObject(dc_.get(), previous_);
        bitmap_.reset();
        dc_.reset();
        WindowDc like(window);
        dc_.reset(::CreateCompatibleDC(like.get()));
        bitmap_.reset(::CreateCompatibleBitmap(like.get(), width, height));
        if (!dc_ || !bitmap_) {
            dc_.reset();
            return nullptr;
        }
        previous_ = ::SelectObject(dc_.get(), bitmap_.get());
        width_ = width;
        height_ = height;
        return dc_.get();
    }

  private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

struct LabelState {
    LabelStyle style;
    HFONT font = nullptr;  // not owned; null = default GUI font
    BackdropSurface surface;
    // While the label repaints itself over a backdrop composed for it: that backdrop (in
    // `surface`), which the paint writes on and copies out whole.
    HDC backdrop = nullptr;
};

struct CreateArgs {
    LabelStyle style;
    HFONT font;
};

LabelState* StateOf(HWND label) {
    return reinterpret_cast<LabelState*>(::GetWindowLongPtrW(label, GWLP_USERDATA));
}

UINT TextFlags(const LabelStyle& style) {
    UINT flags = DT_NOCLIP | DT_NOPREFIX;
    flags |= style.horizontalAlign == 1 ? DT_CENTER : style.horizontalAlign == 2 ? DT_RIGHT : DT_LEFT;
    if (style.lineBreaking) {
        flags |= DT_WORDBREAK;
    } else {
        flags |= DT_SINGLELINE;
        flags |= style.verticalAlign == 0 ? DT_TOP : style.verticalAlign == 2 ? DT_BOTTOM : DT_VCENTER;
    }
    return flags;
}

void WriteText(HWND label, const LabelState& state, HDC dc) {
    const int length = ::GetWindowTextLengthW(label);
    if (length <= 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(label, text.data(), length + 1)));
    HFONT font = state.font ? state.font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    SelectGuard keepFont(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    RECT client;
    ::GetClientRect(label, &client);
    const UINT flags = TextFlags(state.style);
    for (const TextCopy& copy : TextCopies(state.style)) {
        RECT at = client;
        ::OffsetRect(&at, copy.dx, copy.dy);
        ::SetTextColor(dc, copy.colour);
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, flags);
    }
}

void Paint(HWND label, const LabelState& state) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(label, &ps);
    if (state.backdrop) {
        WriteText(label, state, state.backdrop);
        RECT client;
        ::GetClientRect(label, &client);
        ::BitBlt(dc, 0, 0, client.right, client.bottom, state.backdrop, 0, 0, SRCCOPY);
    } else {
        WriteText(label, state, dc);
    }
    ::EndPaint(label, &ps);
}

HWND TopLevelOf(HWND label) {
    HWND top = ::GetParent(label);
    if (!top) return label;
    while (!(::GetWindowLongW(top, GWL_STYLE) & WS_POPUP)) {
        HWND parent = ::GetParent(top);
        if (!parent) break;
        top = parent;
    }
    return top;
}

// Whether one of `children` that is visible and without WS_EX_TRANSPARENT covers all of `spot`
// (screen coordinates): what their parent would draw there is hidden by it.
bool CoveredByOpaqueChild(const std::vector<HWND>& children, HWND skip, const RECT& spot) {
    for (HWND child : children) {
        if (child == skip || (::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT bounds;
        ::GetWindowRect(child, &bounds);
        RECT common;
        if (::IntersectRect(&common, &bounds, &spot) && ::EqualRect(&common, &spot) &&
            ::IsWindowVisible(child)) {
            return true;
        }
    }
    return false;
}

// Redraws `window` on the part under `spot` (screen coordinates), then its children from the
// bottom of the z-order up, the order in which they overlap each other.
void RedrawUnder(HWND window, HWND skip, const RECT& spot) {
    if (window == skip || !::IsWindowVisible(window)) return;
    RECT bounds;
    ::GetWindowRect(window, &bounds);
    RECT common;
    // A child is clipped to its parent, so nothing under a window that misses the spot needs it.
    if (!::IntersectRect(&common, &bounds, &spot)) return;
    const std::vector<HWND> children = ChildrenOf(window);
    if (!CoveredByOpaqueChild(children, skip, common)) {
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        RECT local = common;
        ::OffsetRect(&local, -origin.x, -origin.y);
        ::RedrawWindow(window, &local, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        RedrawUnder(*child, skip, spot);
    }
}

// The label composed over its own backdrop in one paint, when the skin can compose what lies
// under it: nothing under it repaints, which is most of the cost of a text change.
bool RepaintOverOwnBackdrop(HWND label) {
    LabelState* state = StateOf(label);
    RECT client;
    if (!state || !::IsWindowVisible(label) || !::GetClientRect(label, &client) ||
        client.right <= 0 || client.bottom <= 0) {
        return false;
    }
    HDC surface = state->surface.Prepare(label, client.right, client.bottom);
    if (!surface || !ComposeSeeThroughBackdrop(label, surface, xp::PaintQuietFrameInto)) {
        return false;
    }
    state->backdrop = surface;
    ::RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    state->backdrop = nullptr;
    return true;
}

LRESULT OnLabelMessage(PassOn& on) {
    HWND label = on.Window();
    const UINT message = on.Message();
    const WPARAM wParam = on.WParam();
    const LPARAM lParam = on.LParam();
    LabelState* state = StateOf(label);
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            const auto* args = static_cast<const CreateArgs*>(create->lpCreateParams);
            auto owned = std::make_unique<LabelState>();
            if (args) {
                owned->style = Clamped(args->style);
                owned->font = args->font;
            }
            ::SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owned.release()));
            break;
        }
        case WM_NCDESTROY:
            delete state;
            ::SetWindowLongPtrW(label, GWLP_USERDATA, 0);
            break;
        case WM_NCHITTEST:
            // Clicks go to the box under the label (the reminder box is typed into there).
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (state) {
                Paint(label, *state);
                return 0;
            }
            break;
        case WM_SETTEXT: {
            const LRESULT result = on();
            TransparentLabel::RepaintBehind(label);
            return result;
        }
        case WM_SETFONT:
            if (state) {
                state->font = reinterpret_cast<HFONT>(wParam);
                if (LOWORD(lParam)) TransparentLabel::RepaintBehind(label);
            }
            return 0;
        case WM_GETFONT:
            return state ? reinterpret_cast<LRESULT>(state->font) : 0;
        default:
            break;
    }
    return on();
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    PassOn passOn = PassOn::ToDefault(label, message, wParam, lParam);
    return GuardMessage(L"the transparent label's procedure", passOn,
                        [](PassOn& on) { return OnLabelMessage(on); });
}

}  // namespace

bool TransparentLabel::Register(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (::GetClassInfoExW(instance, kClassName, &wc)) return true;
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = LabelProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kClassName;
    return ::RegisterClassExW(&wc) != 0;
}

HWND TransparentLabel::Create(HWND parent, int id, RECT rect, std::string_view text, HFONT font,
                              const LabelStyle& style, bool visible) {
    CreateArgs args{style, font};
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    Register(instance);
    const DWORD styleBits = WS_CHILD | (visible ? WS_VISIBLE : 0);
    return ::CreateWindowExW(WS_EX_TRANSPARENT, kClassName, Widen(text).c_str(), styleBits,
                             rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                             &args);
}

void TransparentLabel::SetStyle(HWND label, const LabelStyle& style) {
    if (LabelState* state = StateOf(label)) {
        state->style = Clamped(style);
        RepaintBehind(label);
    }
}

LabelStyle TransparentLabel::Style(HWND label) {
    const LabelState* state = StateOf(label);
    return state ? state->style : LabelStyle{};
}

void TransparentLabel::SetFont(HWND label, HFONT font) {
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TransparentLabel::RepaintBehind(HWND label) {
    if (RepaintOverOwnBackdrop(label)) return;
    HWND top = TopLevelOf(label);
    RECT spot;
    ::GetWindowRect(label, &spot);
    if (top != label) {
        RECT inTop = spot;
        ::MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&inTop), 2);
        const std::vector<HWND> children = ChildrenOf(top);
        // A window whose child covers the spot would only paint under that child.
        if (!CoveredByOpaqueChild(children, label, spot)) {
            ::RedrawWindow(top, &inTop, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
        }
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            RedrawUnder(*child, label, spot);
        }
    }
    ::InvalidateRect(label, nullptr, FALSE);
}

}  // namespace yf
