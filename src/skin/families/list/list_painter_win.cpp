#include "skin/families/list/list_painter_win.h"

#include <commctrl.h>

#include <algorithm>

#include "core/callback_guard_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/engine_core_win.h"

namespace yf {
namespace {

std::uint32_t StyleOf(HWND control) {
    return static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_STYLE));
}

int BarExtent(HWND control, LONG bar, bool vertical) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetScrollBarInfo(control, bar, &info)) return 0;
    const RECT& r = info.rcScrollBar;
    return vertical ? r.right - r.left : r.bottom - r.top;
}

}  // namespace

RECT ListPainter::ListInteriorRect(HWND control) {
    RECT outer{};
    RECT client{};
    ::GetWindowRect(control, &outer);
    ::GetClientRect(control, &client);
    const std::uint32_t style = StyleOf(control);
    ListSizes sizes{
        outer.right - outer.left,  outer.bottom - outer.top, client.right, client.bottom,
        (style & WS_VSCROLL) != 0, (style & WS_HSCROLL) != 0};
    if (sizes.verticalBar) sizes.verticalBarWidth = BarExtent(control, OBJID_VSCROLL, true);
    if (sizes.horizontalBar) sizes.horizontalBarHeight = BarExtent(control, OBJID_HSCROLL, false);
    const PixelBox box = yf::ListInteriorRect(sizes);
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

bool ListPainter::HasBorder(HWND control) {
    return yf::HasBorder(StyleOf(control),
                         static_cast<std::uint32_t>(::GetWindowLongW(control, GWL_EXSTYLE)));
}

void ListPainter::Install(int windowIndex, HWND parent) {
    const bool seeThrough = Settings().transparentControls;
    const auto each = [parent](const wchar_t* className, auto&& take) {
        for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child;
             child = ::FindWindowExW(parent, child, className, nullptr)) {
            take(child);
        }
    };
    each(WC_LISTBOXW, [&](HWND list) { TakeOverList(windowIndex, list, ListKind::ListBox); });
    each(WC_COMBOBOXW, [&](HWND combo) {
        // Only a simple combo box keeps its list as a child.
        HWND list = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
        if (list) TakeOverList(windowIndex, list, ListKind::ComboList);
    });
    each(WC_LISTVIEWW, [&](HWND view) {
        if (!TakesOverList(ListKind::ListView, StyleOf(view))) return;
        // Item texts without a background of their own, so the picture shows behind them.
        if (seeThrough) ListView_SetTextBkColor(view, CLR_NONE);
        TakeOverList(windowIndex, view, ListKind::ListView);
    });
    each(WC_TREEVIEWW, [&](HWND tree) {
        // The tree's background in the key colour, which is left out over the picture.
        if (seeThrough) TreeView_SetBkColor(tree, gfx::kMagenta);
        TakeOverList(windowIndex, tree, ListKind::TreeView);
    });
    each(WC_IPADDRESSW,
         [&](HWND address) { TakeOverList(windowIndex, address, ListKind::IpAddress); });
    each(DATETIMEPICK_CLASSW,
         [&](HWND picker) { TakeOverList(windowIndex, picker, ListKind::DateTimePicker); });
}

void ListPainter::TakeOverList(int windowIndex, HWND control, ListKind kind) {
    // A second subclass would make the control call itself.
    if (!TakesOverList(kind, StyleOf(control)) || Holds(windowIndex, control)) return;
    if (const Ref added = TakeOver(windowIndex, control)) added.record->kind = kind;
    if (!hook_) {
        hook_.reset(::SetWindowsHookExW(WH_GETMESSAGE, &ListPainter::QueuedMessageHook, nullptr,
                                        ::GetCurrentThreadId()));
    }
}

void ListPainter::Forget(ChildRecord& record) {
    StopScrolling(record.hwnd);
}

void ListPainter::StopScrolling(HWND control) {
    scrolling_.erase(std::remove(scrolling_.begin(), scrolling_.end(), control), scrolling_.end());
}

void ListPainter::SetKeyScroll(Ref& ref, bool on) {
    if (ref.record->keyScroll == on) return;
    ref.record->keyScroll = on;
    if (on) {
        scrolling_.push_back(ref.control);
    } else {
        StopScrolling(ref.control);
    }
}

ListFrameKey ListPainter::FrameKeyOf(const Ref& ref, std::optional<bool> hover,
                                     std::optional<bool> focused) {
    const SIZE size = OuterSizeOf(ref.control);
    const RECT interior = ListInteriorRect(ref.control);
    return {backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
            {interior.left, interior.top, interior.right - interior.left,
             interior.bottom - interior.top},
            focused.value_or(ref.record->focused),
            hover.value_or(ref.record->hover),
            Settings().accentColour};
}

const DibSurface* ListPainter::FrameFace(const Ref& ref, const ListFrameKey& key,
                                         BackgroundSnapshot& fresh) {
    const int width = key.background.width;
    const int height = key.background.height;
    return backdrop_.KeptFace(ref.control, {0, 0, width, height}, ref.record->frames, key, fresh,
                              [&](HDC snapshot) {
                                  gfx::Graphics graphics;
                                  if (graphics.FromHdc(snapshot)) DrawFrame(graphics, key);
                              });
}

void ListPainter::DrawFrame(gfx::Graphics& graphics, const ListFrameKey& key) const {
    const int width = key.background.width;
    const int height = key.background.height;
    const gfx::RectF whole{0, 0, static_cast<float>(width), static_cast<float>(height)};
    const PixelBox& inside = key.interior;
    // The border ring only: the interior is the control's and the system's scroll bars'.
    graphics.SetClipRect(whole);
    graphics.SetClipRect({static_cast<float>(inside.x), static_cast<float>(inside.y),
                          static_cast<float>(inside.width), static_cast<float>(inside.height)},
                         gfx::gp::CombineModeExclude);
    gfx::SolidBrush fill;
    const int fillAlpha = Settings().transparentControls ? Settings().veilAlpha : gfx::kOpaque;
    if (fill.Create(gfx::MakeArgb(gfx::kWhiteRef, fillAlpha))) graphics.FillRectangle(fill, whole);
    const FrameLine frame = ChooseListFrame(width, height, key.focused, key.hover, key.accent);
    gfx::Pen pen;
    if (pen.Create(frame.colour, frame.penWidth)) graphics.DrawRectangle(pen, frame.rect);
}

const DibSurface* ListPainter::VeiledBackground(const Ref& ref, BackgroundSnapshot& fresh) {
    return backdrop_.KeptVeiledClient(ref.control, ref.record->backgrounds, fresh);
}

void ListPainter::ShowFrame(const Ref& ref, std::optional<bool> hover, std::optional<bool> focused,
                            bool onlyWhenChanged) {
    if (!ref || !GdiplusRunning()) return;
    HWND control = ref.control;
    if (!DrawsListFrame(ref.record->kind, HasBorder(control))) return;
    const SIZE size = OuterSizeOf(control);
    if (size.cx <= 0 || size.cy <= 0) return;
    const ListFrameKey key = FrameKeyOf(ref, hover, focused);
    if (onlyWhenChanged && key.background.keepable && ref.record->shownFrame == key) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = FrameFace(ref, key, fresh);
    if (!face) return;
    Backdrop::ShowFrame(control, *face, key.interior);
    ref.record->shownFrame = key;
    RefreshSeeThroughAbove(backdrop_, *ref.window, control);
}

void ListPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    const bool seeThrough = Settings().transparentControls;
    ForEachVisible(window, [&](const Ref& ref) {
        BackgroundSnapshot frame;
        BackgroundSnapshot background;
        if (DrawsListFrame(ref.record->kind, HasBorder(ref.control))) {
            FrameFace(ref, FrameKeyOf(ref, std::nullopt, std::nullopt), frame);
        }
        if (ChooseListPaint(ref.record->kind, seeThrough) != ListPaint::PassOn ||
            ChooseListErase(ref.record->kind, StyleOf(ref.control), seeThrough) ==
                ListErase::Veiled) {
            VeiledBackground(ref, background);
        }
    });
}

void ListPainter::PaintListFrame(const Ref& ref, std::optional<bool> hover,
                                 std::optional<bool> focused) {
    ShowFrame(ref, hover, focused, false);
}

namespace {

// `surface` at `width` x `height`, keeping its DC when the size is already right.
bool Fit(DibSurface& surface, int width, int height) {
    if (surface && surface.Width() == width && surface.Height() == height) return true;
    return surface.Resize(width, height);
}

}  // namespace

LRESULT ListPainter::OnPaint(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    // A paint of the client area leaves the frame as it was, unless its look changed.
    ShowFrame(ref, std::nullopt, std::nullopt, true);
    const ListPaint how = ChooseListPaint(ref.record->kind, Settings().transparentControls);
    if (how == ListPaint::PassOn) return Forward(ref, WM_PAINT, wParam, lParam);

    BackgroundSnapshot fresh;
    const DibSurface* veiled = VeiledBackground(ref, fresh);
    ListRecord& record = *ref.record;
    if (!veiled || !Fit(record.canvas, veiled->Width(), veiled->Height())) {
        return Forward(ref, WM_PAINT, wParam, lParam);
    }
    const int width = veiled->Width();
    const int height = veiled->Height();
    HDC canvas = record.canvas.Dc();
    ::BitBlt(canvas, 0, 0, width, height, veiled->Dc(), 0, 0, SRCCOPY);
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(control, &paint);
    // The control's own paint into our surface is the message handed on, once.
    if (how == ListPaint::IntoVeil) {
        Forward(ref, WM_PAINT, reinterpret_cast<WPARAM>(canvas), 0);
    } else if (Fit(record.keyed, width, height)) {
        // What the control leaves in the key colour (its background) shows the picture.
        const COLORREF key =
            how == ListPaint::KeyedOverVeil ? gfx::kMagenta : ::GetSysColor(COLOR_WINDOW);
        HDC own = record.keyed.Dc();
        UniqueBrush fill(::CreateSolidBrush(key));
        const RECT all{0, 0, width, height};
        ::FillRect(own, &all, fill.get());
        ::SetBkColor(own, key);
        Forward(ref, WM_PAINT, reinterpret_cast<WPARAM>(own), 0);
        ::TransparentBlt(canvas, 0, 0, width, height, own, 0, 0, width, height, key);
    }
    if (dc) ::BitBlt(dc, 0, 0, width, height, canvas, 0, 0, SRCCOPY);
    ::EndPaint(control, &paint);
    // A list view's header lies on the new picture: it draws again over it.
    InvalidateVisibleChildren(control);
    return 0;
}

LRESULT ListPainter::OnEraseBackground(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    HDC dc = reinterpret_cast<HDC>(wParam);
    switch (ChooseListErase(ref.record->kind, StyleOf(control), Settings().transparentControls)) {
        case ListErase::PassOn:
            return Forward(ref, WM_ERASEBKGND, wParam, lParam);
        case ListErase::Transparent:
            ::SetBkMode(dc, TRANSPARENT);
            return 1;
        case ListErase::Veiled:
            break;
    }
    ::SetBkMode(dc, TRANSPARENT);
    BackgroundSnapshot fresh;
    if (const DibSurface* veiled = VeiledBackground(ref, fresh)) {
        ::BitBlt(dc, 0, 0, veiled->Width(), veiled->Height(), veiled->Dc(), 0, 0, SRCCOPY);
    }
    ::SetTextColor(dc, static_cast<COLORREF>(prop::Get(control, prop::kTextColour)));
    return 1;
}

LRESULT ListPainter::OnNcPaint(Ref& ref) {
    PaintListFrame(ref);
    UniqueRegion scrollBars = ScrollBarRegion(ref.control);
    // Only the scroll bars are left to the system; the rest of the border is the engine's.
    if (!scrollBars) return 0;
    return ::DefWindowProcW(ref.control, WM_NCPAINT, reinterpret_cast<WPARAM>(scrollBars.get()), 0);
}

void ListPainter::OnMouseMove(Ref& ref) {
    if (!NoteMouseMove(ref, kListHotKind)) return;
    ref.record->hover = true;
    PaintListFrame(ref, true);
}

LRESULT ListPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    ListRecord& record = *ref.record;
    HWND control = ref.control;
    const bool seeThrough = Settings().transparentControls;
    switch (message) {
        case WM_MOVE:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            if (seeThrough) ::InvalidateRect(control, nullptr, TRUE);
            break;
        case WM_SETFOCUS:
            record.focused = true;
            PaintListFrame(ref);
            break;
        case WM_KILLFOCUS:
            record.focused = false;
            // Without the focus no key comes up here any more.
            SetKeyScroll(ref, false);
            PaintListFrame(ref);
            break;
        case WM_PAINT:
            return OnPaint(ref, wParam, lParam);
        case WM_ERASEBKGND:
            return OnEraseBackground(ref, wParam, lParam);
        case WM_NCPAINT:
            return OnNcPaint(ref);
        case WM_KEYDOWN:
            if (IsArrowKey(static_cast<unsigned>(wParam))) SetKeyScroll(ref, true);
            break;
        case WM_KEYUP:
            if (::GetCapture() == control) ::ReleaseCapture();
            SetKeyScroll(ref, false);
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(ref);
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // The fields of an IP-address control show the picture behind them too.
            if (record.kind != ListKind::IpAddress) break;
            if (const auto brush = AnswerColourRequest(backdrop_, *ref.window, message,
                                                       reinterpret_cast<HDC>(wParam),
                                                       reinterpret_cast<HWND>(lParam))) {
                return *brush;
            }
            break;
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            record.hover = false;
            PaintListFrame(ref, false);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

LRESULT CALLBACK ListPainter::QueuedMessageHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    GuardCall(L"the list painter's message hook", [&] {
        if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
            if (auto* painter = static_cast<ListPainter*>(CurrentPainter(kFamily))) {
                painter->BeforeDispatch(reinterpret_cast<const MSG*>(lParam)->hwnd);
            }
        }
    });
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void ListPainter::BeforeDispatch(HWND target) {
    if (scrolling_.empty() || !target || !Settings().transparentControls) return;
    for (HWND window = target; window; window = ::GetParent(window)) {
        if (std::find(scrolling_.begin(), scrolling_.end(), window) != scrolling_.end()) {
            ::InvalidateRect(window, nullptr, FALSE);
        }
        if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
    }
}

}  // namespace yf
