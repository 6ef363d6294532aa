#include "skin/families/edit/edit_painter_win.h"

#include "core/unique_handle_win.h"
#include "core/window_class_win.h"
#include "gfx/graphics_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/backdrop/see_through.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/families/edit/edit_frame.h"

namespace yf {
namespace {

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

PixelBox ToBox(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void EditPainter::Install(int windowIndex, HWND parent) {
    for (HWND edit = ::FindWindowExW(parent, nullptr, L"Edit", nullptr); edit;
         edit = ::FindWindowExW(parent, edit, L"Edit", nullptr)) {
        Adopt(windowIndex, edit);
    }
}

void EditPainter::Adopt(int windowIndex, HWND edit) {
    // A second subclass would make the control call itself.
    if (Holds(windowIndex, edit)) return;
    if (TakeOver(windowIndex, edit)) prop::Set(edit, prop::kTextColour, 0);
}

void EditPainter::DrawFrame(HDC snapshot, const EditFrameKey& key) {
    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    const int width = key.background.width;
    const int height = key.background.height;
    const gfx::RectF whole{0, 0, static_cast<float>(width), static_cast<float>(height)};
    // Only the border ring is drawn: the client area and the system's scroll bars stay.
    graphics.SetClipRect(whole);
    graphics.SetClipRect(ToRectF(key.client), gfx::gp::CombineModeExclude);
    if (key.scrollBars.width > 0) {
        graphics.SetClipRect(ToRectF(key.scrollBars), gfx::gp::CombineModeExclude);
    }
    gfx::SolidBrush fill;
    const int fillAlpha = Settings().transparentControls ? Settings().veilAlpha : gfx::kOpaque;
    if (fill.Create(gfx::MakeArgb(gfx::kWhiteRef, fillAlpha))) graphics.FillRectangle(fill, whole);
    const FrameLine frame = ChooseEditFrame(width, height, key.focused, key.hover, key.accent);
    gfx::Pen pen;
    if (pen.Create(frame.colour, frame.penWidth)) graphics.DrawRectangle(pen, frame.rect);
}

void EditPainter::PaintEditFrame(const Ref& ref, std::optional<bool> focused,
                                 std::optional<bool> hover) {
    ShowFrame(ref, focused, hover, false);
}

void EditPainter::RefreshEditFrame(const Ref& ref) {
    ShowFrame(ref, std::nullopt, std::nullopt, true);
}

EditFrameKey EditPainter::FrameKeyOf(const Ref& ref, std::optional<bool> focused,
                                     std::optional<bool> hover) {
    RECT outer{};
    ::GetWindowRect(ref.control, &outer);
    RECT barBox{};
    if (UniqueRegion scrollBars = ScrollBarRegion(ref.control)) {
        ::GetRgnBox(scrollBars.get(), &barBox);
        ::OffsetRect(&barBox, -outer.left, -outer.top);
    }
    const SIZE size = OuterSizeOf(ref.control);
    return {backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
            ToBox(ClientAreaOf(ref.control)),
            ToBox(barBox),
            focused.value_or(ref.record->focused),
            hover.value_or(ref.record->hover || IsHotNow(ref, kEditHotKind)),
            Settings().accentColour};
}

const DibSurface* EditPainter::FrameFace(const Ref& ref, const EditFrameKey& key,
                                         BackgroundSnapshot& fresh) {
    return backdrop_.KeptFace(ref.control, {0, 0, key.background.width, key.background.height},
                              ref.record->frames, key, fresh,
                              [&](HDC surface) { DrawFrame(surface, key); });
}

const DibSurface* EditPainter::BackgroundFace(const Ref& ref, BackgroundSnapshot& fresh) {
    return backdrop_.KeptVeiledClient(ref.control, ref.record->backgrounds, fresh);
}

void EditPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    ForEachVisible(window, [this](const Ref& ref) {
        BackgroundSnapshot frame;
        BackgroundSnapshot background;
        FrameFace(ref, FrameKeyOf(ref, std::nullopt, std::nullopt), frame);
        BackgroundFace(ref, background);
        // The brush its parent hands it for the text's background.
        PrepareSkinBrush(backdrop_, *ref.window, ref.control);
    });
}

void EditPainter::ShowFrame(const Ref& ref, std::optional<bool> focused, std::optional<bool> hover,
                            bool onlyWhenChanged) {
    if (!ref || !GdiplusRunning()) return;
    HWND edit = ref.control;
    const SIZE size = OuterSizeOf(edit);
    if (size.cx <= 0 || size.cy <= 0) return;
    const EditFrameKey key = FrameKeyOf(ref, focused, hover);
    if (onlyWhenChanged && key.background.keepable && ref.record->shownFrame == key) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = FrameFace(ref, key, fresh);
    if (!face) return;
    UniqueRegion scrollBars = ScrollBarRegion(edit);
    Backdrop::ShowFrame(edit, *face, key.client, scrollBars.get());
    ref.record->shownFrame = key;
    UniqueRegion ring = BorderRegion(edit);
    RefreshSeeThroughAbove(backdrop_, *ref.window, edit, ring.get());
}

void EditPainter::PaintEditBackground(const Ref& ref, HDC dc, bool toClientDc) {
    if (!dc || !ref) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = BackgroundFace(ref, fresh);
    if (!face) return;
    const RECT client = ClientAreaOf(ref.control);
    const int x = toClientDc ? 0 : client.left;
    const int y = toClientDc ? 0 : client.top;
    ::BitBlt(dc, x, y, face->Width(), face->Height(), face->Dc(), 0, 0, SRCCOPY);
}

bool EditPainter::ComposeQuiet(HWND edit, HDC dc, POINT at) {
    const Ref ref = Find(edit);
    if (!ref || !Settings().transparentControls || !GdiplusRunning()) return false;
    if (::GetFocus() == edit || IsHotNow(ref, kEditHotKind) || HasScrollBarStyle(edit) ||
        ::GetWindowTextLengthW(edit) > 0) {
        return false;
    }
    const EditFrameKey key = FrameKeyOf(ref, std::nullopt, std::nullopt);
    if (!key.background.keepable || ref.record->shownFrame != key) return false;
    BackgroundSnapshot freshFrame;
    BackgroundSnapshot freshBackground;
    const DibSurface* frame = FrameFace(ref, key, freshFrame);
    const DibSurface* background = BackgroundFace(ref, freshBackground);
    if (!frame || !background) return false;
    ::BitBlt(dc, at.x, at.y, frame->Width(), frame->Height(), frame->Dc(), 0, 0, SRCCOPY);
    const RECT client = ClientAreaOf(edit);
    ::BitBlt(dc, at.x + client.left, at.y + client.top, background->Width(), background->Height(),
             background->Dc(), 0, 0, SRCCOPY);
    return true;
}

LRESULT EditPainter::OnPaint(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    RefreshEditFrame(ref);
    // What the edit repaints covers the see-through labels lying on it there.
    UniqueRegion update(::CreateRectRgn(0, 0, 0, 0));
    ::GetUpdateRgn(control, update.get(), FALSE);
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    ::OffsetRgn(update.get(), origin.x, origin.y);
    const LRESULT result = Forward(ref, WM_PAINT, wParam, lParam);
    // The paint may have ended the edit, and its record with it.
    if (ref.StillThere()) RefreshSeeThroughAbove(backdrop_, *ref.window, control, update.get());
    return result;
}

LRESULT EditPainter::OnNcPaint(Ref& ref) {
    PaintEditFrame(ref);
    UniqueRegion scrollBars = ScrollBarRegion(ref.control);
    // Only the scroll bars are left to the system; without any there is nothing else in the
    // frame to draw.
    if (!scrollBars) return 0;
    return ::DefWindowProcW(ref.control, WM_NCPAINT, reinterpret_cast<WPARAM>(scrollBars.get()), 0);
}

void EditPainter::OnMouseMove(Ref& ref) {
    if (NoteMouseMove(ref, kEditHotKind)) PaintEditFrame(ref, std::nullopt, true);
    // A selection drag repaints the see-through background.
    if (ref.record->buttonDown && !HasScrollBarStyle(ref.control)) {
        ::InvalidateRect(ref.control, nullptr, TRUE);
    }
}

LRESULT EditPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    EditRecord& record = *ref.record;
    HWND control = ref.control;
    const bool seeThrough = Settings().transparentControls;
    const auto repaint = [control] { ::InvalidateRect(control, nullptr, TRUE); };
    switch (message) {
        case WM_MOVE:
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (seeThrough) repaint();
            break;
        case WM_SETFOCUS: {
            record.focused = true;
            const LRESULT result = Forward(ref, message, wParam, lParam);
            // The focus frame shows at once, not only at the next paint.
            if (ref.StillThere()) PaintEditFrame(ref);
            return result;
        }
        case WM_KILLFOCUS:
            record.focused = false;
            if (SameClass(ClassNameOf(::GetParent(control)), "ComboBox")) {
                PaintEditFrame(ref, std::nullopt, false);
            } else {
                repaint();
            }
            break;
        case WM_PAINT:
            return OnPaint(ref, wParam, lParam);
        case WM_ERASEBKGND:
            if (!seeThrough) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            PaintEditBackground(ref, reinterpret_cast<HDC>(wParam), true);
            return 1;
        case WM_NCPAINT:
            return OnNcPaint(ref);
        case WM_KEYDOWN:
            if (seeThrough && !HasScrollBarStyle(control)) repaint();
            break;
        case WM_LBUTTONDOWN:
            record.buttonDown = true;
            if (seeThrough && !HasScrollBarStyle(control)) repaint();
            break;
        case WM_LBUTTONUP:
            record.buttonDown = false;
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(ref);
            break;
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            PaintEditFrame(ref, record.focused, false);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
