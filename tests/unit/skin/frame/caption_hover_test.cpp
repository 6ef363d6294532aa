#include "skin/frame/caption_hover.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

std::vector<int> OpacitiesOver(CaptionHover& hover, int ticks, int button) {
    std::vector<int> seen;
    for (int i = 0; i < ticks; ++i) {
        for (const ButtonRepaint& r : OnCaptionFadeTick(hover).repaints) {
            if (r.button == button) seen.push_back(r.opacity);
        }
    }
    return seen;
}

CaptionHover HoveringOver(int button) {
    CaptionHover hover;
    OnCaptionMouseMove(hover, true, true, button);
    hover.mouseInside = true;  // the hover notification has come
    return hover;
}

TEST(CaptionHoverTest, FirstMoveAsksForTrackingAndStartsTheTimerInTheZone) {
    CaptionHover hover;
    const HoverActions first = OnCaptionMouseMove(hover, true, true, 2);
    EXPECT_TRUE(first.trackMouse);
    EXPECT_TRUE(first.startTimer);
    EXPECT_EQ(hover.hotButton, 2);
    EXPECT_EQ(hover.fadeIn, (HoverFade{2, 0}));
    hover.mouseInside = true;
    const HoverActions second = OnCaptionMouseMove(hover, true, true, 2);
    EXPECT_FALSE(second.trackMouse);
    EXPECT_FALSE(second.startTimer);
    EXPECT_EQ(hover.fadeIn, (HoverFade{2, 0}));  // same button: the fade goes on
}

TEST(CaptionHoverTest, FadeInRisesIn30StepsTo240) {
    CaptionHover hover = HoveringOver(1);
    EXPECT_EQ(OpacitiesOver(hover, 10, 1), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
    EXPECT_TRUE(hover.timerOn);  // mouse still in the zone: the timer keeps going
}

TEST(CaptionHoverTest, MovingToAnotherButtonFadesTheFirstOut) {
    CaptionHover hover = HoveringOver(1);
    OpacitiesOver(hover, 8, 1);
    OnCaptionMouseMove(hover, true, true, 2);
    EXPECT_EQ(hover.fadeOut, (HoverFade{1, 0}));
    EXPECT_EQ(hover.fadeIn, (HoverFade{2, 0}));
    CaptionHover copy = hover;
    EXPECT_EQ(OpacitiesOver(hover, 8, 1), (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
    EXPECT_EQ(OpacitiesOver(copy, 8, 2), (std::vector<int>{30, 60, 90, 120, 150, 180, 210, 240}));
}

TEST(CaptionHoverTest, AnUnfinishedFadeOutIsPaintedPlainAtOnce) {
    CaptionHover hover = HoveringOver(1);
    OnCaptionMouseMove(hover, true, true, 2);  // 1 starts fading out
    OnCaptionFadeTick(hover);
    const HoverActions moved = OnCaptionMouseMove(hover, true, true, 3);
    ASSERT_EQ(moved.repaints.size(), 1u);
    EXPECT_EQ(moved.repaints[0], (ButtonRepaint{1, 0}));
    EXPECT_EQ(hover.fadeOut, (HoverFade{2, 0}));
}

TEST(CaptionHoverTest, LeavingTheZoneEndsTheTimerAfterTheFadeOut) {
    CaptionHover hover = HoveringOver(1);
    OpacitiesOver(hover, 8, 1);
    OnCaptionMouseMove(hover, true, false, 0);  // out of the strip, still in the window
    EXPECT_FALSE(hover.timerOn);
    int ticks = 0;
    bool stopped = false;
    while (!stopped && ticks < 20) {
        stopped = OnCaptionFadeTick(hover).stopTimer;
        ++ticks;
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(hover.hotButton, 0);
    EXPECT_EQ(hover.fadeIn, HoverFade{});
    EXPECT_EQ(hover.fadeOut, HoverFade{});
}

TEST(CaptionHoverTest, LeavingTheWindowDuringAFadeInFadesOutFromTheTop) {
    CaptionHover hover = HoveringOver(1);
    OnCaptionMouseMove(hover, true, true, 2);  // 1 fades out, 2 fades in
    OnCaptionFadeTick(hover);
    const HoverActions left = OnCaptionMouseLeave(hover, true);
    ASSERT_EQ(left.repaints.size(), 1u);
    EXPECT_EQ(left.repaints[0], (ButtonRepaint{1, 0}));
    EXPECT_EQ(hover.fadeIn, HoverFade{});
    EXPECT_EQ(hover.fadeOut, (HoverFade{2, 0}));
    EXPECT_FALSE(hover.mouseInside);
    EXPECT_EQ(OpacitiesOver(hover, 8, 2), (std::vector<int>{210, 180, 150, 120, 90, 60, 30, 0}));
    EXPECT_EQ(hover.fadeOut, HoverFade{});  // the timer stopped with the last step
}

TEST(CaptionHoverTest, WithoutCaptionBarOnlyTrackingIsAskedFor) {
    CaptionHover hover;
    const HoverActions moved = OnCaptionMouseMove(hover, false, true, 1);
    EXPECT_TRUE(moved.trackMouse);
    EXPECT_FALSE(moved.startTimer);
    EXPECT_EQ(hover.hotButton, 0);
    hover.hotButton = 1;
    EXPECT_TRUE(OnCaptionMouseLeave(hover, false).repaints.empty());
    EXPECT_EQ(hover.hotButton, 1);
}

TEST(CaptionHoverTest, APressStopsTheFadeIn) {
    CaptionHover hover = HoveringOver(2);
    OnCaptionPress(hover);
    EXPECT_TRUE(OpacitiesOver(hover, 3, 2).empty());
}

}  // namespace
}  // namespace yf
