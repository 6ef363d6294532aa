// Where the skin draws a trackbar's groove, thumb, selection mark and progress line (over the
// panel of shapes.h), from what the control reports. Portable so the geometry can
// be checked without windows; all values are floating point, as the painters draw them.
#pragma once

#include <cstdint>

#include "gfx/figure.h"
#include "skin/geometry.h"

namespace yf {

constexpr std::uint32_t kTrackbarVertical = 0x2;         // TBS_VERT
constexpr std::uint32_t kTrackbarTopOrLeft = 0x4;        // TBS_TOP, TBS_LEFT
constexpr std::uint32_t kTrackbarBoth = 0x8;             // TBS_BOTH
constexpr std::uint32_t kTrackbarNoTicks = 0x10;         // TBS_NOTICKS
constexpr std::uint32_t kTrackbarSelectionRange = 0x20;  // TBS_ENABLESELRANGE

// 3 without ticks, else 0 with ticks on the top (left), 2 on both sides, 1 on the bottom
// (right).
int TrackbarTickMode(std::uint32_t style);

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

}  // namespace yf
