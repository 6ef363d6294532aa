#include "skin/families/edit/edit_frame.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(EditFrameTest, HoverWinsOverFocusAndBothUseTheAccent) {
    constexpr gfx::ColourRef accent = 0x3366CC;
    const FrameLine plain = ChooseEditFrame(72, 20, false, false, accent);
    EXPECT_EQ(plain, (FrameLine{{0, 0, 71, 19}, 1, gfx::MakeArgb(gfx::kBlackRef, 80)}));
    const FrameLine focused = ChooseEditFrame(72, 20, true, false, accent);
    EXPECT_EQ(focused, (FrameLine{{0, 0, 71, 19}, 1, gfx::MakeArgb(accent, 180)}));
    const FrameLine hovered = ChooseEditFrame(72, 20, false, true, accent);
    EXPECT_EQ(hovered, (FrameLine{{1, 1, 70, 18}, 2, gfx::MakeArgb(accent, 180)}));
    EXPECT_EQ(ChooseEditFrame(72, 20, true, true, accent), hovered);
}

}  // namespace
}  // namespace yf
