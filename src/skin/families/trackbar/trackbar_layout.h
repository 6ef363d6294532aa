// Where the skin draws a trackbar's panel, groove, thumb, selection mark and progress line, and
// a progress bar's panel and bar, from what the controls report. Portable so the geometry can
// be checked without windows; all values are floating point, as the painters draw them.
#pragma once

#include <cstdint>

#include "gfx/figure.h"

namespace yf {

constexpr std::uint32_t kTrackbarVertical = 0x2;         // TBS_VERT
constexpr std::uint32_t kTrackbarTopOrLeft = 0x4;        // TBS_TOP, TBS_LEFT
constexpr std::uint32_t kTrackbarBoth = 0x8;             // TBS_BOTH
constexpr std::uint32_t kTrackbarNoTicks = 0x10;         // TBS_NOTICKS
constexpr std::uint32_t kTrackbarSelectionRange = 0x20;  // TBS_ENABLESELRANGE
constexpr std::uint32_t kProgressVertical = 0x4;         // PBS_VERTICAL

// 3 without ticks, else 0 with ticks on the top (left), 2 on both sides, 1 on the bottom
// (right).
int TrackbarTickMode(std::uint32_t style);

struct Edges {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const Edges&) const = default;
};

// The panel behind a trackbar or progress bar W x H: a rounded outline and a gradient fill
// running across the control.
struct ControlPanel {
    gfx::RectF outline;  // corner 5
    gfx::RectF fill;     // corner 3 for a trackbar, 1 for a progress bar
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
};
ControlPanel LayoutPanel(int width, int height, bool vertical);

struct TrackbarFacts {
    bool vertical = false;
    int tickMode = 1;
    bool selectionRange = false;
    // As the control reports them: for a vertical trackbar the channel comes with its axes
    // exchanged (left .. right runs down the control).
    Edges channel;
    Edges thumb;
    int position = 0;
    int maximum = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    bool operator==(const TrackbarFacts&) const = default;
};

struct TrackbarGeometry {
    gfx::RectF groove;  // corner 1
    gfx::PointF grooveFrom;
    gfx::PointF grooveTo;
    gfx::RectF thumb;  // the circle's bounds
    gfx::PointF thumbFrom;
    gfx::PointF thumbTo;
    bool hasSelection = false;
    gfx::RectF selection;
    gfx::RectF progress;  // the accent line before the thumb
};

constexpr float kHoverThumb = 11;
constexpr float kRestingThumb = 4;

TrackbarGeometry LayoutTrackbar(const TrackbarFacts& facts, bool hover);

// A vertical trackbar's channel in the exchanged form the painter works with, whichever form
// the control gave: the long side is the one along the control.
Edges ChannelAlongAxis(const Edges& reported, bool vertical);

struct ProgressBarGeometry {
    bool hasBar = false;
    gfx::RectF bar;  // the rounded bar, corner 3
    gfx::PointF gradientFrom;
    gfx::PointF gradientTo;
    bool operator==(const ProgressBarGeometry&) const = default;
};

// The bar of a progress bar W x H at `position` in low .. high (the position is not reduced by
// the low limit). An empty or reversed range, or a position at or below 0, gives no bar; a bar
// never reaches past the control.
ProgressBarGeometry LayoutProgressBar(int width, int height, bool vertical, int low, int high,
                                      int position);

}  // namespace yf
