#include "skin/families/trackbar/trackbar_layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace yf {
namespace {

constexpr float kGrooveThickness = 4;

float F(int value) {
    return static_cast<float>(value);
}

}  // namespace

int TrackbarTickMode(std::uint32_t style) {
    if (style & kTrackbarNoTicks) return 3;
    if (style & kTrackbarTopOrLeft) return 0;
    if (style & kTrackbarBoth) return 2;
    return 1;
}

Edges ChannelAlongAxis(const Edges& reported, bool vertical) {
    if (!vertical) return reported;
    // Taller than wide: the control gave the rectangle as it lies; exchange the axes.
    if (reported.bottom - reported.top > reported.right - reported.left) {
        return {reported.top, reported.left, reported.bottom, reported.right};
    }
    return reported;
}

TrackbarGeometry LayoutTrackbar(const TrackbarFacts& facts, bool hover) {
    TrackbarGeometry g;
    const Edges& r = facts.channel;
    const Edges& t = facts.thumb;
    const float length = r.right - r.left;
    const float across = r.bottom - r.top;
    const bool atMaximum = facts.position == facts.maximum;

    // The groove: thin and centred with a selection range, else the channel's own width.
    const float grooveAt = facts.selectionRange ? r.top + (across - kGrooveThickness) / 2 : r.top;
    const float grooveWidth = facts.selectionRange ? kGrooveThickness : across;
    if (facts.vertical) {
        g.groove = {grooveAt, r.left, grooveWidth, length};
        g.grooveFrom = {grooveAt, r.left};
        g.grooveTo = {grooveAt + grooveWidth, r.left};
    } else {
        g.groove = {r.left, grooveAt, length, grooveWidth};
        g.grooveFrom = {r.left, grooveAt};
        g.grooveTo = {r.left, grooveAt + grooveWidth};
    }
    const float edge = grooveAt;  // g: where the groove starts across the channel

    // The thumb: an 11-pixel circle under the mouse, else a 4-pixel dot that moves 8 further
    // along at the maximum.
    const float shift = facts.tickMode == 0 ? 2.0f : facts.tickMode == 2 ? 1.0f : 0.0f;
    if (hover) {
        g.thumb = facts.vertical ? gfx::RectF{edge - 4 + shift, t.top, kHoverThumb, kHoverThumb}
                                 : gfx::RectF{t.left, edge - 4 + shift, kHoverThumb, kHoverThumb};
    } else {
        const float along = atMaximum ? 8.0f : 0.0f;
        g.thumb = facts.vertical
                      ? gfx::RectF{edge - 0.5f, t.top + along, kRestingThumb, kRestingThumb}
                      : gfx::RectF{t.left + along, edge - 0.5f, kRestingThumb, kRestingThumb};
    }
    g.thumbFrom = {t.left, g.thumb.y};
    g.thumbTo = {t.left, g.thumb.y + length};

    // The selection mark needs a range to divide by.
    const float lineAt = facts.selectionRange ? edge + 1 : r.top + 1;
    if (facts.selectionRange && facts.maximum > 0) {
        const float scale = length / F(facts.maximum);
        const float start = r.left + F(facts.selectionStart) * scale - 1;
        const float span = F(facts.selectionEnd - facts.selectionStart) * scale;
        g.hasSelection = true;
        g.selection = facts.vertical ? gfx::RectF{edge + 1, start, 1, span}
                                     : gfx::RectF{start, edge + 1, span, 1};
    }
    const float extra = atMaximum ? 10.0f : 0.0f;
    g.progress = facts.vertical ? gfx::RectF{lineAt, r.left, 1, t.top - r.left - 1 + extra}
                                : gfx::RectF{r.left, lineAt, t.left - r.left - 1 + extra, 1};
    return g;
}

}  // namespace yf
