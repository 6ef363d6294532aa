#include "skin/progress_painter_win.h"

#include <commctrl.h>

#include "skin/child_painting_win.h"
#include "skin/control_panel_win.h"
#include "skin/shapes.h"
#include "skin/skin_engine_win.h"
#include "skin/trackbar_layout.h"

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

void ProgressPainter::PaintProgress(int windowIndex, int bar) {
    const Ref ref = At(windowIndex, bar);
    if (!ref || !engine_.GdiplusRunning()) return;
    const SIZE size = OuterSizeOf(ref.control);
    if (size.cx <= 0 || size.cy <= 0) return;
    BackgroundSnapshot snapshot =
        engine_.TakeBackgroundSnapshot(ref.control, {0, 0, size.cx, size.cy});
    gfx::Graphics graphics;
    if (!snapshot || !graphics.FromHdc(snapshot.Dc())) return;
    const bool vertical = ref.record->vertical;
    DrawControlPanel(graphics, LayoutPanel(size.cx, size.cy, vertical), 50, kPanelFillCorner);

    PBRANGE range{};
    ::SendMessageW(ref.control, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(::SendMessageW(ref.control, PBM_GETPOS, 0, 0));
    const ProgressBarGeometry g =
        LayoutProgressBar(size.cx, size.cy, vertical, range.iLow, range.iHigh, position);
    gfx::GraphicsPath path;
    gfx::LinearGradientBrush fill;
    const gfx::ColourRef accent = Settings().accentColour;
    if (g.hasBar && !(g.gradientFrom == g.gradientTo) && path.Create() &&
        path.AddFigure(RoundRectFigure(g.bar.x, g.bar.y, g.bar.width, g.bar.height, kBarCorner)) &&
        fill.Create(g.gradientFrom, g.gradientTo, gfx::MakeArgb(gfx::kWhiteRef, 90),
                    gfx::MakeArgb(accent, 255))) {
        graphics.FillPath(fill, path);
        gfx::Pen rim;
        if (rim.Create(gfx::MakeArgb(accent, 150), 1)) graphics.DrawPath(rim, path);
    }
    graphics.Delete();
    {
        WindowDc target(ref.control, WindowDc::Area::Whole);
        ::BitBlt(target.get(), 0, 0, size.cx, size.cy, snapshot.Dc(), 0, 0, SRCCOPY);
    }
    RefreshSeeThroughAbove(ref.control);
}

LRESULT ProgressPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            PaintProgress(ref.windowIndex, ref.index);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            ::BeginPaint(ref.control, &paint);
            PaintProgress(ref.windowIndex, ref.index);
            ::EndPaint(ref.control, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return 1;
        case WM_NCPAINT:
            // Without a border the whole control is client area, which WM_PAINT draws.
            if (HasFrame(ref.control)) PaintProgress(ref.windowIndex, ref.index);
            return 1;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
