// Up-down controls drawn by the engine: two translucent rounded halves over the skin behind the
// control, each with its arrow glyph, the half under the mouse in the accent colour. The
// control keeps all its behaviour; only its painting and hover tracking are the engine's.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "skin/child_controls_win.h"
#include "skin/frame/spin_layout.h"

namespace yf {

LRESULT CALLBACK SpinEntry(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinEngine* engine = SkinEngine::Current()) {
        return engine->SpinProc(control, message, wParam, lParam);
    }
    return CallOldProc(control, message, wParam, lParam);
}

void SkinEngine::InstallSpinSkins(int index, HWND parent) {
    WindowRecord* record = Record(index);
    if (!record || !parent || !settings_.controlSkinning) return;
    for (HWND spin = ::FindWindowExW(parent, nullptr, UPDOWN_CLASSW, nullptr); spin;
         spin = ::FindWindowExW(parent, spin, UPDOWN_CLASSW, nullptr)) {
        // Subclassing a control twice would make it call itself.
        if (Holds(record->spins, spin)) continue;
        const LONG style = ::GetWindowLongW(spin, GWL_STYLE);
        const int at = TakeOver(record->spins, spin, index, &SpinEntry);
        record->spins[static_cast<std::size_t>(at)].horizontal = (style & UDS_HORZ) != 0;
    }
}

int SkinEngine::SpinHitPart(int index, int spin, LPARAM position) {
    WindowRecord* window = Record(index);
    const SpinRecord* record = window ? At(window->spins, spin) : nullptr;
    if (!record) return 0;
    RECT outer{};
    ::GetWindowRect(record->hwnd, &outer);
    return yf::SpinHitPart(outer.right - outer.left, outer.bottom - outer.top, record->horizontal,
                           GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

void SkinEngine::PaintSpin(int index, int spin, std::optional<bool> hover,
                           std::optional<bool> pressed, std::optional<LPARAM> position) {
    WindowRecord* window = Record(index);
    const SpinRecord* record = window ? At(window->spins, spin) : nullptr;
    if (!record || !gdiplusToken_) return;
    HWND control = record->hwnd;
    RECT outer{};
    ::GetWindowRect(control, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0) return;
    const bool horizontal = record->horizontal;
    const bool isHover = hover.value_or(record->hover);
    const bool isPressed = pressed.value_or(record->pressed);
    const LPARAM mouse = position.value_or(record->mousePos);

    // Decoded at each paint: two tiny PNGs cost less than keeping them per control.
    const gfx::Bitmap glyphs[2] = {LoadGlyph(horizontal ? L"ARROW_LEFT" : L"ARROW_UP", module_),
                                   LoadGlyph(horizontal ? L"ARROW_RIGHT" : L"ARROW_DOWN", module_)};
    const int glyphWidth = glyphs[0] ? static_cast<int>(glyphs[0].Width()) : (horizontal ? 4 : 7);
    const int glyphHeight = glyphs[0] ? static_cast<int>(glyphs[0].Height()) : (horizontal ? 7 : 4);
    const SpinLayout layout = LayoutSpin(width, height, horizontal, glyphWidth, glyphHeight);
    const int hot =
        SpinHotHalf(layout, horizontal, isHover, GET_X_LPARAM(mouse), GET_Y_LPARAM(mouse));

    HDC snapshot = TakeBackgroundSnapshot(control, {0, 0, width, height});
    if (!snapshot) return;
    {
        gfx::Graphics graphics;
        gfx::SolidBrush plate;
        if (graphics.FromHdc(snapshot) &&
            plate.Create(gfx::MakeArgb(gfx::kWhiteRef, kSpinPlateAlpha))) {
            graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
            graphics.SetCompositingQuality(gfx::gp::CompositingQualityHighQuality);
            FillRoundRect(graphics, plate, layout.plate, kSpinCorner);
            for (int half = 0; half < 2; ++half) {
                const SpinHalf& part = layout.halves[half];
                const SpinHalfColours colours = SpinHalfStyle(
                    hot == half, isPressed, !horizontal && half == 0, settings_.accentColour);
                gfx::LinearGradientBrush fill;
                if (fill.Create(part.gradientFrom, part.gradientTo, colours.gradientFrom,
                                colours.gradientTo)) {
                    FillRoundRect(graphics, fill, part.outline, kSpinCorner);
                }
                if (glyphs[half]) graphics.DrawImage(glyphs[half], part.glyphAt.x, part.glyphAt.y);
                DrawRoundRect(graphics, colours.pen, 1, part.outline, kSpinCorner);
            }
        }
    }
    {
        WindowDc target(control, WindowDc::Area::Whole);
        ::BitBlt(target.get(), 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    }
    ReleaseBackgroundSnapshot(snapshot);
    RefreshSeeThroughAbove(control);
}

LRESULT SkinEngine::SpinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const ChildRef<SpinRecord> found = FindChild(*this, control, &WindowRecord::spins);
    if (!found) return CallOldProc(control, message, wParam, lParam);
    SpinRecord& record = *found.record;
    WindowRecord& window = *found.window;
    const WNDPROC old = record.oldProc;
    const auto forward = [&] { return ::CallWindowProcW(old, control, message, wParam, lParam); };

    switch (message) {
        case WM_MOVE:
            PaintSpin(found.windowIndex, found.index);
            break;
        case WM_PAINT: {
            // The control's own procedure never paints: its border and buttons are the engine's.
            PAINTSTRUCT paint;
            ::BeginPaint(control, &paint);
            PaintSpin(found.windowIndex, found.index);
            ::EndPaint(control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            return 1;
        case WM_MOUSEMOVE: {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, control, 0};
            ::TrackMouseEvent(&track);
            window.hoverIndex = found.index;
            // Kept for every paint, so a repaint while the mouse rests shows the right half.
            record.mousePos = lParam;
            const int part = SpinHitPart(found.windowIndex, found.index, lParam);
            if (window.hotIndex != window.hoverIndex || window.hotKind != kSpinHotKind ||
                part != record.hotPart) {
                PaintSpin(found.windowIndex, found.index, true, std::nullopt, lParam);
                record.hover = true;
                window.hotIndex = window.hoverIndex;
                window.hotKind = kSpinHotKind;
                record.hotPart = part;
            }
            break;
        }
        case WM_LBUTTONDOWN:
            record.pressed = true;
            record.mousePos = lParam;
            break;
        case WM_LBUTTONUP:
            record.pressed = false;
            record.mousePos = lParam;
            break;
        case WM_MOUSELEAVE:
            window.hotIndex = 0;
            record.hover = false;
            PaintSpin(found.windowIndex, found.index, false);
            break;
        case WM_DESTROY:
            // Nothing of the engine outlives the control.
            GiveBack(record, &SpinEntry);
            return ::CallWindowProcW(old, control, message, wParam, lParam);
        default:
            break;
    }
    return forward();
}

}  // namespace yf
