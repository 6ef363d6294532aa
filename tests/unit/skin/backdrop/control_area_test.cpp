#include "skin/backdrop/control_area.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(ControlAreaTest, ClientAreaSitsInTheMiddleOfTheBorder) {
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

}  // namespace
}  // namespace yf
