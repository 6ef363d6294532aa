#include "skin/drawing_win.h"

#include "core/resource_bytes_win.h"

namespace yf {

bool FillRoundRect(gfx::Graphics& graphics, const gfx::Brush& brush, const gfx::RectF& rect,
                   float corner) {
    gfx::GraphicsPath path;
    return path.Create() &&
           path.AddFigure(RoundRectFigure(rect.x, rect.y, rect.width, rect.height, corner)) &&
           graphics.FillPath(brush, path);
}

bool DrawRoundRect(gfx::Graphics& graphics, gfx::Argb colour, float penWidth,
                   const gfx::RectF& rect, float corner) {
    gfx::GraphicsPath path;
    gfx::Pen pen;
    return path.Create() &&
           path.AddFigure(RoundRectFigure(rect.x, rect.y, rect.width, rect.height, corner)) &&
           pen.Create(colour, penWidth) && graphics.DrawPath(pen, path);
}

void DrawControlPanel(gfx::Graphics& graphics, const ControlPanel& panel, int outlineAlpha,
                      float fillCorner) {
    constexpr float kOutlineCorner = 5;
    DrawRoundRect(graphics, gfx::MakeArgb(gfx::kBlackRef, outlineAlpha), 1, panel.outline,
                  kOutlineCorner);
    gfx::GraphicsPath fill;
    gfx::LinearGradientBrush brush;
    const gfx::RectF& r = panel.fill;
    if (!(panel.gradientFrom == panel.gradientTo) && fill.Create() &&
        fill.AddFigure(RoundRectFigure(r.x, r.y, r.width, r.height, fillCorner)) &&
        brush.Create(panel.gradientFrom, panel.gradientTo, gfx::MakeArgb(gfx::kWhiteRef, 160),
                     gfx::MakeArgb(gfx::kBlackRef, 30))) {
        graphics.FillPath(brush, fill);
    }
}

gfx::Bitmap LoadGlyph(const wchar_t* name, HMODULE module) {
    gfx::Bitmap glyph;
    const auto bytes = ResourceBytes(name, module);
    if (!bytes.empty()) glyph.FromBytes(bytes);
    return glyph;
}

}  // namespace yf
