#include "skin/frame/caption_hover.h"

namespace yf {

HoverActions OnCaptionMouseMove(CaptionHover& hover, bool captionBar, bool inZone,
                                int buttonUnder) {
    HoverActions actions;
    actions.trackMouse = !hover.mouseInside;
    if (!captionBar) return actions;
    if (inZone) {
        if (!hover.timerOn) {
            actions.startTimer = true;
            hover.timerOn = true;
        }
    } else {
        // The timer keeps running until the fades are over; this only lets it stop then.
        hover.timerOn = false;
    }
    if (hover.hotButton >= 1 && hover.hotButton != buttonUnder) {
        // A fade-out still running is finished at once before the next one starts.
        if (hover.fadeOut.step < kFadeSteps && hover.fadeOut.button >= 1) {
            actions.repaints.push_back({hover.fadeOut.button, 0});
        }
        hover.fadeOut = {hover.hotButton, 0};
    }
    if (buttonUnder >= 1 && buttonUnder != hover.hotButton) hover.fadeIn = {buttonUnder, 0};
    hover.hotButton = buttonUnder;
    return actions;
}

HoverActions OnCaptionFadeTick(CaptionHover& hover) {
    HoverActions actions;
    if (hover.fadeIn.Running()) {
        ++hover.fadeIn.step;
        actions.repaints.push_back({hover.fadeIn.button, kFadeOpacityStep * hover.fadeIn.step});
    }
    if (hover.fadeOut.Running()) {
        ++hover.fadeOut.step;
        actions.repaints.push_back(
            {hover.fadeOut.button, kFadeOpacityStep * (kFadeSteps - hover.fadeOut.step)});
    }
    const bool mouseGone = !hover.mouseInside || !hover.timerOn;
    const bool fadeOutOver = hover.fadeOut.step >= kFadeSteps || hover.fadeOut.button == 0;
    if (mouseGone && fadeOutOver) {
        actions.stopTimer = true;
        hover.timerOn = false;
        hover.hotButton = 0;
        hover.fadeIn = {};
        hover.fadeOut = {};
    }
    return actions;
}

HoverActions OnCaptionMouseLeave(CaptionHover& hover, bool captionBar) {
    HoverActions actions;
    hover.mouseInside = false;
    if (hover.hotButton < 1 || !captionBar) return actions;
    if (hover.fadeIn.step < kFadeSteps && hover.fadeOut.step < kFadeSteps) {
        if (hover.fadeOut.button >= 1) actions.repaints.push_back({hover.fadeOut.button, 0});
        hover.fadeIn = {};
    }
    hover.fadeOut = {hover.hotButton, 0};
    hover.hotButton = 0;
    return actions;
}

void OnCaptionPress(CaptionHover& hover) {
    hover.fadeIn.button = 0;
}

}  // namespace yf
