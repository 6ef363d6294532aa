// A frameless skinned window is moved and sized by presses in its own client area: near an
// edge or corner a press starts the system's sizing loop (with the matching cursor), in the
// caption bar it starts a move.
#pragma once

#include "skin/frame/frame_metrics.h"

namespace yf {

enum class EdgeZone { None, Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };
enum class SizeCursor { None, WestEast, NorthSouth, NorthWestSouthEast, NorthEastSouthWest };

// The first zone that holds for (x, y) in a w x h client area, sides before corners.
EdgeZone FindEdgeZone(int x, int y, int width, int height, int margin);

SizeCursor CursorFor(EdgeZone zone);

// The WM_SYSCOMMAND value that starts sizing from that zone (SC_SIZE + 1 .. + 8), 0 for none.
unsigned SizeCommandFor(EdgeZone zone);

struct PressContext {
    int x = 0;
    int y = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int margin = kFrameMargin;
    int captionHeight = 0;
    bool captionBar = true;
    bool dblClickMaximize = true;
    bool onButtonStrip = false;  // the press is in the caption-button strip's press zone
};

struct PressDecision {
    enum class Action { Nothing, Move, Resize } action = Action::Nothing;
    EdgeZone zone = EdgeZone::None;
    bool operator==(const PressDecision&) const = default;
};

// What a left-button press in the client area starts.
PressDecision DecidePress(const PressContext& press);

// The cursor shown while the mouse moves over the window (None: leave it as it is). Windows
// that do not maximize on a caption double click show no sizing cursors, and neither do
// windows without a caption bar, which cannot be sized with the mouse at all.
SizeCursor HoverCursor(int x, int y, int width, int height, int margin, bool captionBar,
                       bool dblClickMaximize);

}  // namespace yf
