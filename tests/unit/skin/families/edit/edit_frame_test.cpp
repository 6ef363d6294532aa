#include "skin/families/edit/edit_frame.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(EditFrameTest, ClientAreaSitsInTheMiddleOfTheBorder) {
    struct Case {
        ControlSizes sizes;
        PixelBox expected;
    } cases[] = {
        {{72, 20, 68, 16}, {2, 2, 68, 16}},         // client edge
        {{80, 22, 78, 20}, {1, 1, 78, 20}},         // thin border
        {{21, 20, 18, 16}, {1, 2, 18, 16}},         // odd difference rounds down
        {{100, 60, 79, 56, true}, {2, 2, 79, 56}},  // vertical scroll bar counted
        {{100, 60, 96, 39, false, true}, {2, 2, 96, 39}},
        {{50, 20, 50, 20}, {0, 0, 50, 20}},  // no border at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClientAreaInOuter(c.sizes), c.expected)
            << c.sizes.outerWidth << "x" << c.sizes.outerHeight;
    }
}

TEST(EditFrameTest, HoverWinsOverFocusAndBothUseTheAccent) {
    constexpr gfx::ColourRef accent = 0x3366CC;
    const EditFrameStyle plain = ChooseEditFrame(72, 20, false, false, accent);
    EXPECT_EQ(plain, (EditFrameStyle{{0, 0, 71, 19}, 1, gfx::MakeArgb(gfx::kBlackRef, 80)}));
    const EditFrameStyle focused = ChooseEditFrame(72, 20, true, false, accent);
    EXPECT_EQ(focused, (EditFrameStyle{{0, 0, 71, 19}, 1, gfx::MakeArgb(accent, 180)}));
    const EditFrameStyle hovered = ChooseEditFrame(72, 20, false, true, accent);
    EXPECT_EQ(hovered, (EditFrameStyle{{1, 1, 70, 18}, 2, gfx::MakeArgb(accent, 180)}));
    EXPECT_EQ(ChooseEditFrame(72, 20, true, true, accent), hovered);
}

}  // namespace
}  // namespace yf
