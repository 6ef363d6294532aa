#include "skin/frame/edge_zones.h"

namespace yf {

EdgeZone FindEdgeZone(int x, int y, int width, int height, int margin) {
    const bool besideCorners = y >= kCornerReach + 1 && y < height - kCornerReach;
    const bool betweenCorners = x >= kCornerReach + 1 && x < width - kCornerReach;
    if (x <= margin && besideCorners) return EdgeZone::Left;
    if (x >= width - margin && besideCorners) return EdgeZone::Right;
    if (y <= margin && betweenCorners) return EdgeZone::Top;
    if (y >= height - margin && betweenCorners) return EdgeZone::Bottom;
    if (x <= kCornerReach && y <= kCornerReach) return EdgeZone::TopLeft;
    if (x >= width - kCornerReach && y <= kCornerReach) return EdgeZone::TopRight;
    if (x <= kCornerReach && y >= height - kCornerReach) return EdgeZone::BottomLeft;
    if (x >= width - kCornerReach && y >= height - kCornerReach) return EdgeZone::BottomRight;
    return EdgeZone::None;
}

SizeCursor CursorFor(EdgeZone zone) {
    switch (zone) {
        case EdgeZone::Left:
        case EdgeZone::Right:
            return SizeCursor::WestEast;
        case EdgeZone::Top:
        case EdgeZone::Bottom:
            return SizeCursor::NorthSouth;
        case EdgeZone::TopLeft:
        case EdgeZone::BottomRight:
            return SizeCursor::NorthWestSouthEast;
        case EdgeZone::TopRight:
        case EdgeZone::BottomLeft:
            return SizeCursor::NorthEastSouthWest;
        case EdgeZone::None:
            break;
    }
    return SizeCursor::None;
}

unsigned SizeCommandFor(EdgeZone zone) {
    constexpr unsigned kSizeCommand = 0xF000;  // SC_SIZE; the low digit names the edge
    switch (zone) {
        case EdgeZone::Left:
            return kSizeCommand + 1;
        case EdgeZone::Right:
            return kSizeCommand + 2;
        case EdgeZone::Top:
            return kSizeCommand + 3;
        case EdgeZone::TopLeft:
            return kSizeCommand + 4;
        case EdgeZone::TopRight:
            return kSizeCommand + 5;
        case EdgeZone::Bottom:
            return kSizeCommand + 6;
        case EdgeZone::BottomLeft:
            return kSizeCommand + 7;
        case EdgeZone::BottomRight:
            return kSizeCommand + 8;
        case EdgeZone::None:
            break;
    }
    return 0;
}

PressDecision DecidePress(const PressContext& press) {
    using Action = PressDecision::Action;
    if (press.onButtonStrip || !press.captionBar) return {};
    const bool inCaption = press.y <= press.captionHeight;
    if (!press.dblClickMaximize && inCaption) return {Action::Move, EdgeZone::None};
    const EdgeZone zone =
        FindEdgeZone(press.x, press.y, press.clientWidth, press.clientHeight, press.margin);
    if (zone != EdgeZone::None) return {Action::Resize, zone};
    if (inCaption) return {Action::Move, EdgeZone::None};
    return {};
}

SizeCursor HoverCursor(int x, int y, int width, int height, int margin, bool captionBar,
                       bool dblClickMaximize) {
    if (!captionBar || !dblClickMaximize) return SizeCursor::None;
    return CursorFor(FindEdgeZone(x, y, width, height, margin));
}

}  // namespace yf
