// The sizes the window's frame is built on, in pixels at the system's standard 96 dots per
// inch, in one place: the caption bar and its buttons, the title, the edge zones and the
// rounded corners. (Each control family keeps its own sizes at the top of its *_layout.h; the
// scroll bar the backdrop allows for is in backdrop/control_area.h.)
#pragma once

namespace yf {

// The caption bar is never lower than this; its button strip is this high.
constexpr int kMinCaptionHeight = 25;
constexpr int kStripHeight = 22;
constexpr int kButtonWidth = 26;
constexpr int kCloseButtonWidth = 38;
// The close button's hover and hit rectangle reaches 2 pixels further than its picture.
constexpr int kCloseLayoutWidth = 40;
constexpr int kButtonHeight = 18;
constexpr int kButtonPitch = kButtonWidth + 1;

// The caption icon and the title beside it.
constexpr int kIconSize = 17;
constexpr int kTitleHeight = 32;
constexpr int kTextIndent = 20;

// Between the client area's edge and the caption strip or status bar; also the width of the
// sizing zones along the edges.
constexpr int kFrameMargin = 3;
// Corner zones reach this far in from each corner.
constexpr int kCornerReach = 10;

// The rounded clip of the picture and the window region.
constexpr int kBackgroundCorner = 4;
constexpr int kRegionCorner = 5;
// The caption buttons' highlights: the close button's top corner, the others' tab corners.
constexpr float kCloseCorner = 5;
constexpr float kTabCorner = 1;

}  // namespace yf
