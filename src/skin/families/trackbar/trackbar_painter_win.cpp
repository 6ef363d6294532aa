#include "skin/families/trackbar/trackbar_painter_win.h"

#include <commctrl.h>

#include "skin/backdrop/backdrop_win.h"
#include "skin/backdrop/control_area_win.h"
#include "skin/drawing_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/families/trackbar/trackbar_layout.h"
#include "skin/shapes.h"

namespace yf {
namespace {

constexpr float kPanelFillCorner = 3;
constexpr float kGrooveCorner = 1;

Edges EdgesOf(const RECT& rect) {
    return {static_cast<float>(rect.left), static_cast<float>(rect.top),
            static_cast<float>(rect.right), static_cast<float>(rect.bottom)};
}

bool FillGradient(gfx::Graphics& graphics, const gfx::GraphicsPath& path, gfx::PointF from,
                  gfx::PointF to, gfx::Argb start, gfx::Argb end) {
    gfx::LinearGradientBrush brush;
    return !(from == to) && brush.Create(from, to, start, end) && graphics.FillPath(brush, path);
}

bool RoundPath(gfx::GraphicsPath& path, const gfx::RectF& r, float corner) {
    return path.Create() && path.AddFigure(RoundRectFigure(r.x, r.y, r.width, r.height, corner));
}

void Outline(gfx::Graphics& graphics, const gfx::RectF& rect, gfx::Argb colour) {
    gfx::Pen pen;
    if (rect.width > 0 && rect.height > 0 && pen.Create(colour, 1)) {
        graphics.DrawRectangle(pen, rect);
    }
}

}  // namespace

void TrackbarPainter::Install(int windowIndex, HWND parent) {
    for (HWND bar = ::FindWindowExW(parent, nullptr, TRACKBAR_CLASSW, nullptr); bar;
         bar = ::FindWindowExW(parent, bar, TRACKBAR_CLASSW, nullptr)) {
        // A control subclassed twice would call itself.
        if (Holds(windowIndex, bar)) continue;
        const auto style = static_cast<std::uint32_t>(::GetWindowLongW(bar, GWL_STYLE));
        if (const Ref added = TakeOver(windowIndex, bar)) {
            added.record->vertical = (style & kTrackbarVertical) != 0;
            added.record->tickMode = TrackbarTickMode(style);
            added.record->selectionRange = (style & kTrackbarSelectionRange) != 0;
            ::InvalidateRect(bar, nullptr, FALSE);
        }
    }
}

TrackbarFacts TrackbarPainter::FactsOf(const Ref& ref) {
    const TrackbarRecord& record = *ref.record;
    HWND control = ref.control;
    RECT channel{};
    RECT thumb{};
    ::SendMessageW(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    ::SendMessageW(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    TrackbarFacts facts;
    facts.vertical = record.vertical;
    facts.tickMode = record.tickMode;
    facts.selectionRange = record.selectionRange;
    facts.channel = ChannelAlongAxis(EdgesOf(channel), record.vertical);
    facts.thumb = EdgesOf(thumb);
    facts.position = static_cast<int>(::SendMessageW(control, TBM_GETPOS, 0, 0));
    facts.maximum = static_cast<int>(::SendMessageW(control, TBM_GETRANGEMAX, 0, 0));
    if (record.selectionRange) {
        facts.selectionStart = static_cast<int>(::SendMessageW(control, TBM_GETSELSTART, 0, 0));
        facts.selectionEnd = static_cast<int>(::SendMessageW(control, TBM_GETSELEND, 0, 0));
    }
    return facts;
}

void TrackbarPainter::Draw(HDC snapshot, const TrackbarFaceKey& key, SIZE size) {
    const TrackbarGeometry g = LayoutTrackbar(key.facts, key.hover);

    gfx::Graphics graphics;
    if (!graphics.FromHdc(snapshot)) return;
    if (Settings().trackbarChannel) {
        DrawControlPanel(graphics, LayoutPanel(size.cx, size.cy, key.facts.vertical), 30,
                         kPanelFillCorner);
    }
    gfx::GraphicsPath groove;
    if (RoundPath(groove, g.groove, kGrooveCorner)) {
        FillGradient(graphics, groove, g.grooveFrom, g.grooveTo, gfx::MakeArgb(gfx::kBlackRef, 50),
                     gfx::MakeArgb(gfx::kBlackRef, 30));
    }
    {
        // The round thumb would look square at 4 pixels without smoothing.
        graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
        gfx::GraphicsPath circle;
        gfx::SolidBrush white;
        gfx::Pen rim;
        if (circle.Create() && circle.AddEllipse(g.thumb) &&
            white.Create(gfx::MakeArgb(gfx::kWhiteRef))) {
            graphics.FillPath(white, circle);
            FillGradient(graphics, circle, g.thumbFrom, g.thumbTo, gfx::MakeArgb(gfx::kWhiteRef, 0),
                         gfx::MakeArgb(gfx::kBlackRef, 90));
            if (rim.Create(gfx::MakeArgb(gfx::kBlackRef, 50), 1)) graphics.DrawPath(rim, circle);
        }
        graphics.SetSmoothingMode(gfx::gp::SmoothingModeDefault);
    }
    if (g.hasSelection) Outline(graphics, g.selection, gfx::MakeArgb(gfx::kWhiteRef, 160));
    Outline(graphics, g.progress, gfx::MakeArgb(key.accent, 200));
}

const DibSurface* TrackbarPainter::Face(const Ref& ref, BackgroundSnapshot& fresh) {
    const SIZE size = OuterSizeOf(ref.control);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    const TrackbarFaceKey key{backdrop_.StampOf(ref.control, {0, 0, size.cx, size.cy}),
                              FactsOf(ref), ref.record->hover, Settings().accentColour};
    return backdrop_.KeptFace(ref.control, {0, 0, size.cx, size.cy}, ref.record->faces, key, fresh,
                              [&](HDC surface) { Draw(surface, key, size); });
}

void TrackbarPainter::PrepareFaces(WindowRecord& window) {
    if (!GdiplusRunning()) return;
    ForEachVisible(window, [this](const Ref& ref) {
        BackgroundSnapshot fresh;
        Face(ref, fresh);
    });
}

void TrackbarPainter::PaintTrackbar(const Ref& ref) {
    if (!ref || !GdiplusRunning()) return;
    BackgroundSnapshot fresh;
    if (const DibSurface* face = Face(ref, fresh)) backdrop_.Show(*ref.window, ref.control, *face);
}

LRESULT TrackbarPainter::OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackbarRecord& record = *ref.record;
    // All of it is the engine's; without a border the whole control is client area.
    const auto paint = [&] { PaintTrackbar(ref); };
    if (const auto result = PaintWhole(ref, message, wParam, HasFrame(ref.control), paint)) {
        return *result;
    }
    switch (message) {
        case WM_MOUSEMOVE:
            if (NoteMouseMove(ref, kTrackbarHotKind)) {
                record.hover = true;
                PaintTrackbar(ref);
            }
            break;
        case WM_MOUSELEAVE:
            NoteHoverLeave(ref.window->childHover);
            record.hover = false;
            PaintTrackbar(ref);
            break;
        default:
            break;
    }
    return Forward(ref, message, wParam, lParam);
}

}  // namespace yf
