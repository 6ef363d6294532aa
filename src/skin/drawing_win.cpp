#include "skin/drawing_win.h"

#include "skin/backdrop/child_painting_win.h"
#include "skin/shapes.h"

namespace yf {

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

}  // namespace yf
