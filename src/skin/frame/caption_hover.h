// Hovering over the caption buttons: a button under the mouse fades in over 8 steps of the
// 20 ms timer, the one it left fades out, and the timer stops once the mouse has gone and the
// fades are over. Pure state: the window procedure feeds it messages and carries out the
// paints and timer changes it asks for.
#pragma once

#include <vector>

namespace yf {

constexpr int kFadeSteps = 8;
constexpr int kFadeOpacityStep = 30;
constexpr int kFadeTimerMs = 20;

struct HoverFade {
    int button = 0;  // 1-based caption button, 0 = none
    int step = 0;    // 0..8
    bool Running() const { return button >= 1 && step < kFadeSteps; }
    bool operator==(const HoverFade&) const = default;
};

struct CaptionHover {
    int hotButton = 0;  // caption button shown as hovered
    bool mouseInside = false;
    HoverFade fadeIn;
    HoverFade fadeOut;
    bool timerOn = false;
};

// One repaint of a caption button in the normal state at a hover opacity (0..240).
struct ButtonRepaint {
    int button = 0;
    int opacity = 0;
    bool operator==(const ButtonRepaint&) const = default;
};

struct HoverActions {
    std::vector<ButtonRepaint> repaints;
    bool trackMouse = false;  // ask for hover and leave notifications
    bool startTimer = false;
    bool stopTimer = false;
};

// A mouse move at a point: `inZone` tells whether it is in the strip's hover zone, `buttonUnder`
// is the hit-tested button (0 = none). Without a caption bar only the tracking request remains.
HoverActions OnCaptionMouseMove(CaptionHover& hover, bool captionBar, bool inZone, int buttonUnder);

// A tick of the fade timer: both fades advance one step; the timer ends when the mouse has left
// (the window or the zone) and the fade-out is over.
HoverActions OnCaptionFadeTick(CaptionHover& hover);

// The mouse left the window: the hovered button starts fading out.
HoverActions OnCaptionMouseLeave(CaptionHover& hover, bool captionBar);

// A press in the window stops a fade-in where it is.
void OnCaptionPress(CaptionHover& hover);

}  // namespace yf
