// The status bar a skinned window can carry along the bottom of its client area: its cells
// and their declared widths, the text style, and where the bar, each cell, a cell's picture and
// its text go. Portable so the layout can be checked without windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gfx/argb.h"
#include "gfx/figure.h"
#include "skin/geometry.h"

namespace yf {

// A declared width of -1: the cell takes the rest of the bar.
constexpr int kRestOfBar = -1;

struct BarItem {
    int width = kRestOfBar;
    std::string text;
    std::vector<std::uint8_t> picture;  // PNG or JPEG; empty: none
    gfx::ColourRef colour = 0;
};

struct BarTextStyle {
    bool invert = true;  // the text in the inverse of the theme colour, else the cell's own
    bool glow = false;
    gfx::ColourRef glowTextColour = 0;
    gfx::ColourRef glowColour = 0xFFFFFF;
    std::string font = "宋体";
    int size = 12;
};

// What SetStatusTextStyle is given: the flags and colours fall back to their defaults when not
// given, the size stays as it is, an empty font name keeps the font.
struct BarTextStyleArgs {
    std::optional<bool> invert;
    std::optional<bool> glow;
    std::optional<gfx::ColourRef> glowTextColour;
    std::optional<gfx::ColourRef> glowColour;
    std::string font;
    std::optional<int> size;
};
void ApplyBarTextStyle(BarTextStyle& style, const BarTextStyleArgs& args);

// The bar of height `height` in a client area W x H, `margin` in from the sides and one pixel
// above the bottom margin.
PixelBox StatusBarPlace(int clientWidth, int clientHeight, int margin, int height);

// The cells from the left of the bar: each its declared width, a -1 cell the client width less
// both margins and the cells before it (never less than 0).
std::vector<PixelBox> LayoutStatusCells(const std::vector<int>& widths, const PixelBox& bar,
                                        int clientWidth, int margin);

// Where a cell's picture (natural size pw x ph, none when 0 x 0) and its text go.
struct CellContent {
    gfx::PointF picture;
    gfx::RectF text;
};
constexpr int kBarTextLine = 12;
CellContent LayoutCellContent(const PixelBox& cell, int pictureWidth, int pictureHeight);

// The text colour of a cell: the inverse of the theme colour, or the cell's own.
gfx::ColourRef CellTextColour(const BarTextStyle& style, gfx::ColourRef theme,
                              gfx::ColourRef cellColour);

// The glow of a text (DrawGlowText): the text is drawn at (d/2, d/2) on a w x h layer, shrunk
// d times and grown back, which blurs it, then laid at (x - d/2, y - 0.6 d) under the text.
struct GlowPlan {
    int layerWidth = 0;
    int layerHeight = 0;
    int smallWidth = 0;  // the shrunk layer
    int smallHeight = 0;
    gfx::PointF textAt;      // on the layer
    gfx::PointF strokes[4];  // the four faint copies on the grown layer
    gfx::PointF layerAt;     // where the grown layer goes on the target
    bool operator==(const GlowPlan&) const = default;
};
GlowPlan PlanGlow(const gfx::RectF& rect, float glowSize);

}  // namespace yf
