#include "skin/families/spin/spin_painter_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/families/spin/spin_layout.h"

namespace yf {

void SpinPainter::Install(int windowIndex, HWND parent) {
    for (HWND spin = ::FindWindowExW(parent, nullptr, UPDOWN_CLASSW, nullptr); spin;
         spin = ::FindWindowExW(parent, spin, UPDOWN_CLASSW, nullptr)) {
        // Subclassing a control twice would make it call itself.
        if (Holds(windowIndex, spin)) continue;
        const LONG style = ::GetWindowLongW(spin, GWL_STYLE);
        if (const Ref added = TakeOver(windowIndex, spin)) {
            added.record->horizontal = (style & UDS_HORZ) != 0;
        }
    }
}

int SpinPainter::SpinHitPart(const Ref& ref, LPARAM position) {
    const SIZE size = OuterSizeOf(ref.control);
    return yf::SpinHitPart(size.cx, size.cy, ref.record->horizontal, GET_X_LPARAM(position),
                           GET_Y_LPARAM(position));
}

const gfx::Bitmap* SpinPainter::Arrows(bool horizontal) {
    const int at = horizontal ? 1 : 0;
    if (!decoded_[at]) {
        decoded_[at] = true;
        arrows_[at][0] = LoadGlyph(horizontal ? L"ARROW_LEFT" : L"ARROW_UP", core_.Module());
        arrows_[at][1] = LoadGlyph(horizontal ? L"ARROW_RIGHT" : L"ARROW_DOWN", core_.Module());
    }
    return arrows_[at];
}

void SpinPainter::ReleaseGraphics() {
    for (int at = 0; at < 2; ++at) {
        for (gfx::Bitmap& arrow : arrows_[at]) arrow.Dispose();
        decoded_[at] = false;
    }
}

void SpinPainter::DrawHalves(HDC snapshot, const SpinFaceKey& key, const SpinLayout& layout) {
    const gfx::Bitmap* glyphs = Arrows(key.horizontal);
    gfx::Graphics graphics;
    gfx::SolidBrush plate;
    if (!graphics.FromHdc(snapshot) ||
        !plate.Create(gfx::MakeArgb(gfx::kWhiteRef, kSpinPlateAlpha))) {
        return;
    }
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
    graphics.SetCompositingQuality(gfx::gp::CompositingQualityHighQuality);
    FillRoundRect(graphics, plate, layout.plate, kSpinCorner);
    for (int half = 0; half < 2; ++half) {
        const SpinHalf& part = layout.halves[half];
        const SpinHalfColours colours = SpinHalfStyle(key.hotHalf == half, key.pressed,
                                                      !key.horizontal && half == 0, key.accent);
        gfx::LinearGradientBrush fill;
        if (fill.Create(part.gradientFrom, part.gradientTo, colours.gradientFrom,
                        colours.gradientTo)) {
            FillRoundRect(graphics, fill, part.outline, kSpinCorner);
        }
        if (glyphs[half]) graphics.DrawImage(glyphs[half], part.glyphAt.x, part.glyphAt.y);
        DrawRoundRect(graphics, colours.pen, 1, part.outline, kSpinCorner);
    }
}

const DibSurface* SpinPainter::Face(const Ref& ref, std::optional<bool> hover,
                                    std::optional<bool> pressed, std::optional<LPARAM> position,
                                    BackgroundSnapshot& fresh) {
    const SIZE size = OuterSizeOf(ref.control);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    SpinRecord& record = *ref.record;
    const gfx::Bitmap* glyphs = Arrows(record.horizontal);
    const int glyphWidth =
        glyphs[0] ? static_cast<int>(glyphs[0].Width()) : (record.horizontal ? 4 : 7);
    const int glyphHeight =
        glyphs[0] ? static_cast<int>(glyphs[0].Height()) : (record.horizontal ? 7 : 4);
    const SpinLayout layout =
        LayoutSpin(size.cx, size.cy, record.horizontal, glyphWidth, glyphHeight);
    const LPARAM mouse = position.value_or(record.mousePos);
    const SpinFaceKey key{backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
                          record.horizontal,
                          SpinHotHalf(layout, record.horizontal, hover.value_or(record.hover),
                                      GET_X_LPARAM(mouse), GET_Y_LPARAM(mouse)),
                          pressed.value_or(record.pressed), Settings().accentColour};
    return backdrop_.KeptFace(ref.control, {0, 0, size.cx, size.cy}, record.faces, key, fresh,
                              [&](HDC surface) { DrawHalves(surface, key, layout); });
}

void SpinPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    ForEachVisible(window, [this](const Ref& ref) {
        BackgroundSnapshot fresh;
        Face(ref, std::nullopt, std::nullopt, std::nullopt, fresh);
    });
}

void SpinPainter::PaintSpin(const Ref& ref, std::optional<bool> hover, std::optional<bool> pressed,
                            std::optional<LPARAM> position) {
    if (!ref || !GdiplusRunning()) return;
    BackgroundSnapshot fresh;
    if (const DibSurface* face = Face(ref, hover, pressed, position, fresh)) {
        backdrop_.Show(*ref.window, ref.control, *face);
    }
}

LRESULT SpinPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    SpinRecord& record = *ref.record;
    // Its border and buttons are the engine's; no border is ever drawn.
    const auto paint = [&] { PaintSpin(ref); };
    if (const auto result = PaintWhole(ref, message, wParam, false, paint)) return *result;
    switch (message) {
        case WM_MOUSEMOVE: {
            // Kept for every paint, so a repaint while the mouse rests shows the right half.
            record.mousePos = lParam;
            const int part = SpinHitPart(ref, lParam);
            if (NoteMouseMove(ref, kSpinHotKind, part != record.hotPart)) {
                PaintSpin(ref, true, std::nullopt, lParam);
                record.hover = true;
                record.hotPart = part;
            }
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            record.pressed = message == WM_LBUTTONDOWN;
            record.mousePos = lParam;
            break;
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            record.hover = false;
            PaintSpin(ref, false);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
