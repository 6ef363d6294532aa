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
    const ProgressFaceKey key{engine_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
                              ref.record->vertical,
                              range.iLow,
                              range.iHigh,
                              static_cast<int>(::SendMessageW(ref.control, PBM_GETPOS, 0, 0)),
                              Settings().accentColour};
    if (const DibSurface* kept = ref.record->faces.Find(key, key.background.keepable)) return kept;
    fresh = engine_.TakeBackgroundSnapshot(ref.control, {0, 0, size.cx, size.cy});
    if (!fresh) return nullptr;
    Draw(fresh.Dc(), key);
    return key.background.keepable ? &ref.record->faces.Keep(key, std::move(fresh).Keep()) : &fresh;
}

void ProgressPainter::PrepareFaces(int windowIndex) {
    WindowRecord* window = WindowAt(windowIndex);
    if (!window || !engine_.GdiplusRunning()) return;
    for (int i = 1; i < ListOf(*window).Size(); ++i) {
        const Ref ref = At(windowIndex, i);
        if (!ref || !::IsWindowVisible(ref.control)) continue;
        BackgroundSnapshot fresh;
        Face(ref, fresh);
    }
}

void ProgressPainter::PaintProgress(int windowIndex, int bar) {
    const Ref ref = At(windowIndex, bar);
    if (!ref || !engine_.GdiplusRunning()) return;
    BackgroundSnapshot fresh;
    const DibSurface* face = Face(ref, fresh);
    if (!face) return;
    {
        WindowDc target(ref.control, WindowDc::Area::Whole);
        ::BitBlt(target.get(), 0, 0, face->Width(), face->Height(), face->Dc(), 0, 0, SRCCOPY);
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
