// Edit boxes drawn over the skin: the engine replaces an edit's border with a thin translucent
// frame that lights up in the accent colour under the mouse or with the focus, and fills its
// background with the skin behind it; the edit keeps drawing its own text. The take-over of
// combo boxes lives here too, since a combo box may bring an edit of its own.
#include <windows.h>

#include <windowsx.h>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "skin/child_controls_win.h"
#include "skin/edit_frame.h"
#include "skin/see_through.h"

namespace yf {
namespace {

bool HasScrollBar(HWND control) {
    return (::GetWindowLongW(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

// The scroll bars of `control`, in screen coordinates; null when it shows none.
UniqueRegion ScrollBarRegion(HWND control) {
    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    bool any = false;
    for (LONG bar : {OBJID_VSCROLL, OBJID_HSCROLL}) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetScrollBarInfo(control, bar, &info)) continue;
        if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) continue;
        UniqueRegion part(::CreateRectRgnIndirect(&info.rcScrollBar));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
        any = true;
    }
    return any ? std::move(region) : UniqueRegion();
}

// The ring between the outer rectangle and the client area, in screen coordinates.
UniqueRegion BorderRegion(HWND control) {
    RECT outer{};
    ::GetWindowRect(control, &outer);
    RECT client = ClientAreaOf(control);
    ::OffsetRect(&client, outer.left, outer.top);
    UniqueRegion ring(::CreateRectRgnIndirect(&outer));
    UniqueRegion inner(::CreateRectRgnIndirect(&client));
    ::CombineRgn(ring.get(), ring.get(), inner.get(), RGN_DIFF);
    return ring;
}

void TakeOverEdit(std::vector<EditRecord>& edits, HWND edit, int windowIndex) {
    TakeOver(edits, edit, windowIndex, &EditEntry);
    prop::Set(edit, prop::kTextColour, 0);
}

}  // namespace

LRESULT CALLBACK EditEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = SkinEngine::Current()) {
        return engine->EditProc(control, message, wParam, lParam);
    }
    return CallOldProc(control, message, wParam, lParam);
}

void SkinEngine::InstallEditsAndCombos(int index, HWND parent) {
    WindowRecord* record = Record(index);
    if (!record || !parent || !settings_.controlSkinning) return;
    for (HWND edit = ::FindWindowExW(parent, nullptr, L"Edit", nullptr); edit;
         edit = ::FindWindowExW(parent, edit, L"Edit", nullptr)) {
        if (!Holds(record->edits, edit)) TakeOverEdit(record->edits, edit, index);
    }
    for (HWND combo = ::FindWindowExW(parent, nullptr, L"ComboBox", nullptr); combo;
         combo = ::FindWindowExW(parent, combo, L"ComboBox", nullptr)) {
        // A second subclass would make the control call itself.
        if (Holds(record->combos, combo)) continue;
        const auto selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
        if (selected >= 0) {
            const auto length = ::SendMessageW(combo, CB_GETLBTEXTLEN, selected, 0);
            if (length >= 0) {
                std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
                ::SendMessageW(combo, CB_GETLBTEXT, selected,
                               reinterpret_cast<LPARAM>(text.data()));
                ::SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            }
        }
        TakeOver(record->combos, combo, index, &ComboEntry);
        HWND inner = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
        if (inner && settings_.transparentControls && !Holds(record->edits, inner)) {
            TakeOverEdit(record->edits, inner, index);
        }
    }
}

void SkinEngine::PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hover) {
    const ChildRef<EditRecord> found = FindChild(*this, edit, &WindowRecord::edits);
    if (!found || !gdiplusToken_) return;
    RECT outer{};
    ::GetWindowRect(edit, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0) return;
    const RECT client = ClientAreaOf(edit);
    UniqueRegion scrollBars = ScrollBarRegion(edit);

    HDC snapshot = TakeBackgroundSnapshot(edit, {0, 0, width, height});
    if (!snapshot) return;
    {
        gfx::Graphics graphics;
        if (graphics.FromHdc(snapshot)) {
            const gfx::RectF whole{0, 0, static_cast<float>(width), static_cast<float>(height)};
            graphics.SetClipRect(whole);
            graphics.SetClipRect({static_cast<float>(client.left), static_cast<float>(client.top),
                                  static_cast<float>(client.right - client.left),
                                  static_cast<float>(client.bottom - client.top)},
                                 gfx::gp::CombineModeExclude);
            if (scrollBars) {
                RECT box{};
                ::GetRgnBox(scrollBars.get(), &box);
                graphics.SetClipRect({static_cast<float>(box.left - outer.left),
                                      static_cast<float>(box.top - outer.top),
                                      static_cast<float>(box.right - box.left),
                                      static_cast<float>(box.bottom - box.top)},
                                     gfx::gp::CombineModeExclude);
            }
            gfx::SolidBrush fill;
            const int fillAlpha =
                settings_.transparentControls ? settings_.veilAlpha : gfx::kOpaque;
            if (fill.Create(gfx::MakeArgb(gfx::kWhiteRef, fillAlpha))) {
                graphics.FillRectangle(fill, whole);
            }
            // Without an explicit state the frame stays lit while the window's hover tracking
            // has this edit as its hot one.
            const WindowRecord& window = *found.window;
            const bool isHot = window.hotKind == kEditHotKind && window.hotIndex == found.index &&
                               window.hotParent == ::GetParent(edit);
            const EditFrameStyle frame = ChooseEditFrame(
                width, height, focused.value_or(found.record->focused),
                hover.value_or(found.record->hover || isHot), settings_.accentColour);
            gfx::Pen pen;
            if (pen.Create(frame.colour, frame.penWidth)) graphics.DrawRectangle(pen, frame.rect);
        }
    }
    {
        WindowDc target(edit, WindowDc::Area::Whole);
        ::ExcludeClipRect(target.get(), client.left, client.top, client.right, client.bottom);
        if (scrollBars) {
            UniqueRegion local(::CreateRectRgn(0, 0, 0, 0));
            ::CombineRgn(local.get(), scrollBars.get(), nullptr, RGN_COPY);
            ::OffsetRgn(local.get(), -outer.left, -outer.top);
            ::ExtSelectClipRgn(target.get(), local.get(), RGN_DIFF);
        }
        ::BitBlt(target.get(), 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    }
    ReleaseBackgroundSnapshot(snapshot);
    UniqueRegion ring = BorderRegion(edit);
    RefreshSeeThroughAbove(edit, ring.get());
}

void SkinEngine::PaintEditBackground(HWND edit, HDC dc, bool toClientDc) {
    if (!dc) return;
    RECT client;
    HDC snapshot = TakeVeiledClientSnapshot(edit, client);
    if (!snapshot) return;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int x = toClientDc ? 0 : client.left;
    const int y = toClientDc ? 0 : client.top;
    ::BitBlt(dc, x, y, width, height, snapshot, 0, 0, SRCCOPY);
    ReleaseBackgroundSnapshot(snapshot);
}

LRESULT SkinEngine::EditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const ChildRef<EditRecord> found = FindChild(*this, control, &WindowRecord::edits);
    if (!found) return CallOldProc(control, message, wParam, lParam);
    EditRecord& record = *found.record;
    WindowRecord& window = *found.window;
    const WNDPROC old = record.oldProc;
    const auto forward = [&] { return ::CallWindowProcW(old, control, message, wParam, lParam); };
    const bool seeThrough = settings_.transparentControls != 0;
    const auto repaint = [control] { ::InvalidateRect(control, nullptr, TRUE); };

    switch (message) {
        case WM_DESTROY:
            prop::DeleteBackgroundObjects(control);
            GiveBack(record, &EditEntry);
            return ::CallWindowProcW(old, control, message, wParam, lParam);
        case WM_MOVE:
            if (seeThrough) repaint();
            break;
        case WM_SETFOCUS: {
            record.focused = true;
            const LRESULT result = forward();
            // The focus frame shows at once, not only at the next paint.
            PaintEditFrame(control);
            return result;
        }
        case WM_KILLFOCUS:
            record.focused = false;
            if (SameClass(ClassNameOf(::GetParent(control)), "ComboBox")) {
                PaintEditFrame(control, std::nullopt, false);
            } else {
                repaint();
            }
            break;
        case WM_PAINT: {
            PaintEditFrame(control);
            // What the edit repaints covers the see-through labels lying on it there.
            UniqueRegion update(::CreateRectRgn(0, 0, 0, 0));
            ::GetUpdateRgn(control, update.get(), FALSE);
            POINT origin{0, 0};
            ::ClientToScreen(control, &origin);
            ::OffsetRgn(update.get(), origin.x, origin.y);
            const LRESULT result = forward();
            RefreshSeeThroughAbove(control, update.get());
            return result;
        }
        case WM_ERASEBKGND:
            if (!seeThrough) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            PaintEditBackground(control, reinterpret_cast<HDC>(wParam), true);
            return 1;
        case WM_NCPAINT: {
            PaintEditFrame(control);
            UniqueRegion scrollBars = ScrollBarRegion(control);
            // Only the scroll bars are left to the system; without any there is nothing else
            // in the frame to draw.
            if (!scrollBars) return 0;
            return ::DefWindowProcW(control, WM_NCPAINT, reinterpret_cast<WPARAM>(scrollBars.get()),
                                    0);
        }
        case WM_KEYDOWN:
            if (seeThrough && !HasScrollBar(control)) repaint();
            break;
        case WM_LBUTTONDOWN:
            record.buttonDown = true;
            if (seeThrough && !HasScrollBar(control)) repaint();
            break;
        case WM_LBUTTONUP:
            record.buttonDown = false;
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (seeThrough) repaint();
            break;
        case WM_MOUSEMOVE: {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control, 0};
            ::TrackMouseEvent(&track);
            window.hoverIndex = found.index;
            HWND parent = ::GetParent(control);
            if (window.hotIndex != window.hoverIndex || window.hotKind != kEditHotKind ||
                window.hotParent != parent) {
                PaintEditFrame(control, std::nullopt, true);
                window.hotIndex = window.hoverIndex;
                window.hotKind = kEditHotKind;
                window.hotParent = parent;
            }
            // A selection drag repaints the see-through background.
            if (record.buttonDown && !HasScrollBar(control)) repaint();
            break;
        }
        case WM_MOUSELEAVE:
            window.hotIndex = 0;
            PaintEditFrame(control, record.focused, false);
            break;
        default:
            break;
    }
    return forward();
}

}  // namespace yf
