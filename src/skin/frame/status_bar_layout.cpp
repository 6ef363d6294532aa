#include "skin/frame/status_bar_layout.h"

#include <algorithm>
#include <cmath>

namespace yf {

void ApplyBarTextStyle(BarTextStyle& style, const BarTextStyleArgs& args) {
    const BarTextStyle defaults;
    style.invert = args.invert.value_or(defaults.invert);
    style.glow = args.glow.value_or(defaults.glow);
    style.glowTextColour = args.glowTextColour.value_or(defaults.glowTextColour);
    style.glowColour = args.glowColour.value_or(defaults.glowColour);
    if (!args.font.empty()) style.font = args.font;
    // A text of no height would vanish: such a size is not taken.
    if (args.size && *args.size > 0) style.size = *args.size;
}

PixelBox StatusBarPlace(int clientWidth, int clientHeight, int margin, int height) {
    return {margin, clientHeight - margin - height - 1, clientWidth - 2 * margin, height};
}

std::vector<PixelBox> LayoutStatusCells(const std::vector<int>& widths, const PixelBox& bar,
                                        int clientWidth, int margin) {
    std::vector<PixelBox> cells;
    cells.reserve(widths.size());
    int x = margin;
    for (const int declared : widths) {
        const int width = declared == kRestOfBar
                              ? std::max(0, clientWidth - 2 * margin - (x - margin))
                              : std::max(0, declared);
        cells.push_back({x, bar.y, width, bar.height});
        x += width;
    }
    return cells;
}

CellContent LayoutCellContent(const PixelBox& cell, int pictureWidth, int pictureHeight) {
    const auto x = static_cast<float>(cell.x);
    const auto y = static_cast<float>(cell.y);
    const auto w = static_cast<float>(cell.width);
    const auto h = static_cast<float>(cell.height);
    const float textTop = y + (h - kBarTextLine) / 2;
    CellContent content;
    if (pictureWidth > 0 && pictureHeight > 0) {
        const auto pw = static_cast<float>(pictureWidth);
        content.picture = {x + 2, y + (h - static_cast<float>(pictureHeight)) / 2};
        content.text = {x + pw + 3, textTop, w - pw - 3, h};
    } else {
        content.text = {x + 3, textTop, w - 3, h};
    }
    return content;
}

gfx::ColourRef CellTextColour(const BarTextStyle& style, gfx::ColourRef theme,
                              gfx::ColourRef cellColour) {
    return style.invert ? (~theme & 0xFFFFFF) : cellColour;
}

GlowPlan PlanGlow(const gfx::RectF& rect, float glowSize) {
    GlowPlan plan;
    const float d = std::max(glowSize, 1.0f);
    plan.layerWidth = static_cast<int>(std::trunc(rect.width));
    plan.layerHeight = static_cast<int>(std::trunc(rect.height));
    plan.smallWidth = std::max(1, static_cast<int>(rect.width / d));
    plan.smallHeight = std::max(1, static_cast<int>(rect.height / d));
    plan.textAt = {d / 2, d / 2};
    const float up = 0.7f * d;
    plan.strokes[0] = {d / 2 - 1, up};
    plan.strokes[1] = {d / 2 + 1, up};
    plan.strokes[2] = {d / 2, up - 1};
    plan.strokes[3] = {d / 2, up + 1};
    plan.layerAt = {rect.x - d / 2, rect.y - 0.6f * d};
    return plan;
}

}  // namespace yf
