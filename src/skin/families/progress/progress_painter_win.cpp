#include "skin/families/progress/progress_painter_win.h"

#include <commctrl.h>

#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/families/progress/progress_layout.h"
#include "skin/shapes.h"

namespace yf {

namespace {

constexpr float kPanelFillCorner = 1;
constexpr float kBarCorner = 3;

}  // namespace

void ProgressPainter::Install(int windowIndex, HWND parent) {
    for (HWND bar = ::FindWindowExW(parent, nullptr, PROGRESS_CLASSW, nullptr); bar;
         bar = ::FindWindowExW(parent, bar, PROGRESS_CLASSW, nullptr)) {
        if (Holds(windowIndex, bar)) continue;
        const auto style = static_cast<std::uint32_t>(::GetWindowLongW(bar, GWL_STYLE));
        if (const Ref added = TakeOver(windowIndex, bar)) {
            added.record->vertical = (style & kProgressVertical) != 0;
            ::InvalidateRect(bar, nullptr, FALSE);
        }
    }
}

void ProgressPainter::Draw(HDC snapshot, const ProgressFaceKey& key) {
    const int width = key.background.width;
    const int height = key.background.height;
    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    DrawControlPanel(graphics, LayoutPanel(width, height, key.vertical), 50, kPanelFillCorner);
    const ProgressBarGeometry g =
        LayoutProgressBar(width, height, key.vertical, key.low, key.high, key.position);
    gfx::GraphicsPath path;
    gfx::LinearGradientBrush fill;
    if (g.hasBar && !(g.gradientFrom == g.gradientTo) && path.Create() &&
        path.AddFigure(RoundRectFigure(g.bar.x, g.bar.y, g.bar.width, g.bar.height, kBarCorner)) &&
        fill.Create(g.gradientFrom, g.gradientTo, gfx::MakeArgb(gfx::kWhiteRef, 90),
                    gfx::MakeArgb(key.accent, 255))) {
        graphics.FillPath(fill, path);
        gfx::Pen rim;
        if (rim.Create(gfx::MakeArgb(key.accent, 150), 1)) graphics.DrawPath(rim, path);
    }
}

const DibSurface* ProgressPainter::Face(const Ref& ref, BackgroundSnapshot& fresh) {
    const SIZE size = OuterSizeOf(ref.control);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    PBRANGE range{};
    ::SendMessageW(ref.control, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const ProgressFaceKey key{backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
                              ref.record->vertical,
                              range.iLow,
                              range.iHigh,
                              static_cast<int>(::SendMessageW(ref.control, PBM_GETPOS, 0, 0)),
                              Settings().accentColour};
    return backdrop_.KeptFace(ref.control, {0, 0, size.cx, size.cy}, ref.record->faces, key, fresh,
                              [&](HDC surface) { Draw(surface, key); });
}

void ProgressPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    ForEachVisible(window, [this](const Ref& ref) {
        BackgroundSnapshot fresh;
        Face(ref, fresh);
    });
}

void ProgressPainter::PaintProgress(const Ref& ref) {
    if (!ref || !GdiplusRunning()) return;
    BackgroundSnapshot fresh;
    if (const DibSurface* face = Face(ref, fresh)) backdrop_.Show(*ref.window, ref.control, *face);
}

LRESULT ProgressPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    // Without a border the whole control is client area, which WM_PAINT draws.
    const auto paint = [&] { PaintProgress(ref); };
    if (const auto result = PaintWhole(ref, message, wParam, HasFrame(ref.control), paint)) {
        return *result;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
