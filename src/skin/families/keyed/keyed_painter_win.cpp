#include "skin/families/keyed/keyed_painter_win.h"

#include "core/window_class_win.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/engine/engine_core_win.h"

namespace yf {

int KeyedPainter::RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour,
                                       gfx::ColourRef panelColour, int panelAlpha) {
    if (!control) return 0;
    const int windowIndex = core_.OwnerWindowIndex(control);
    WindowRecord* window = WindowAt(windowIndex);
    if (!window) return 0;
    KeyedRecord* record = InWindow(*window, control).record;
    if (record) {
        // A second subclass would make the control call itself.
        if (keyColour) record->keyColour = *keyColour;
    } else {
        const Ref added = TakeOver(windowIndex, control);
        if (!added) return 0;
        record = added.record;
        record->keyColour = keyColour.value_or(::GetSysColor(COLOR_BTNFACE));
        const std::string kind = ClassNameOf(control);
        record->paint = ChooseKeyedPaint(kind);
        record->wholeOnScroll = RepaintsWholeOnScroll(kind);
    }
    ::InvalidateRect(control, nullptr, TRUE);
    if (!::GetWindow(control, GW_CHILD)) return 0;
    ContainerRole* containers = core_.Roles().containers;
    return containers
               ? containers->RegisterContainer(control, false, panelColour, panelAlpha, false)
               : 0;
}

LRESULT KeyedPainter::PaintOffScreen(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    BackgroundSnapshot own = backdrop_.Snapshot(control, ClientAreaOf(control));
    if (!own) return Forward(ref, WM_PAINT, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(control, &paint);
    const LRESULT result = Forward(ref, WM_PAINT, reinterpret_cast<WPARAM>(own.Dc()), 0);
    const int width = own.Width();
    const int height = own.Height();
    RECT area;
    BackgroundSnapshot veiled = backdrop_.VeiledClient(control, area);
    if (veiled) {
        // Only pixels exactly of the key colour give way to the picture.
        ::TransparentBlt(veiled.Dc(), 0, 0, width, height, own.Dc(), 0, 0, width, height,
                         ref.record->keyColour);
    }
    if (dc) ::BitBlt(dc, 0, 0, width, height, (veiled ? veiled : own).Dc(), 0, 0, SRCCOPY);
    ::EndPaint(control, &paint);
    return result;
}

LRESULT KeyedPainter::PaintReadBack(Ref& ref, WPARAM wParam, LPARAM lParam) {
    HWND control = ref.control;
    RECT update{};
    if (!::GetUpdateRect(control, &update, FALSE) || ::IsRectEmpty(&update)) {
        return Forward(ref, WM_PAINT, wParam, lParam);
    }
    const RECT client = ClientAreaOf(control);
    RECT behind = update;
    ::OffsetRect(&behind, client.left, client.top);
    BackgroundSnapshot snapshot = backdrop_.Snapshot(control, behind);
    if (!snapshot) return Forward(ref, WM_PAINT, wParam, lParam);
    // A control that ignores the DC it is handed paints on the screen, which is read back.
    const gfx::ColourRef key = ref.record->keyColour;
    const LRESULT result = Forward(ref, WM_PAINT, reinterpret_cast<WPARAM>(snapshot.Dc()), 0);
    if (!::IsWindow(control)) return result;
    // One that painted into it instead must not be asked to paint again and again.
    ::ValidateRect(control, &update);
    const int width = snapshot.Width();
    const int height = snapshot.Height();
    {
        WindowDc screen(control);
        ::TransparentBlt(snapshot.Dc(), 0, 0, width, height, screen.get(), update.left, update.top,
                         width, height, key);
        ::BitBlt(screen.get(), update.left, update.top, width, height, snapshot.Dc(), 0, 0,
                 SRCCOPY);
    }
    InvalidateVisibleChildren(control);
    return result;
}

LRESULT KeyedPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool seeThrough = Settings().transparentControls;
    switch (message) {
        case WM_PAINT:
            if (!Settings().controlSkinning) break;
            return ref.record->paint == KeyedPaint::OffScreen ? PaintOffScreen(ref, wParam, lParam)
                                                              : PaintReadBack(ref, wParam, lParam);
        case WM_ERASEBKGND:
            if (!seeThrough) break;
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_MOVE:
            if (seeThrough) ::InvalidateRect(ref.control, nullptr, FALSE);
            break;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            if (ref.record->wholeOnScroll) ::InvalidateRect(ref.control, nullptr, FALSE);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
