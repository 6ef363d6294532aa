#include "gfx/argb.h"

#include <gtest/gtest.h>

namespace yf::gfx {
namespace {

struct ArgbCase {
    ColourRef colour;
    int alpha;
    Argb expected;
};

TEST(MakeArgbTest, ReordersTheChannelsAndPutsAlphaOnTop) {
    const ArgbCase cases[] = {
        {MakeColourRef(0x12, 0x34, 0x56), 0x78, 0x78123456},
        {MakeColourRef(255, 0, 0), 255, 0xFFFF0000},
        {MakeColourRef(0, 0, 255), 0, 0x000000FF},
        {0xDDCA22, 180, 0xB422CADD},
        {kMagenta, 255, 0xFFFF00FF},
    };
    for (const ArgbCase& c : cases) {
        EXPECT_EQ(MakeArgb(c.colour, c.alpha), c.expected) << std::hex << c.colour;
    }
}

TEST(MakeArgbTest, WithoutAlphaTheColourIsOpaque) {
    EXPECT_EQ(MakeArgb(MakeColourRef(1, 2, 3)), 0xFF010203u);
    EXPECT_EQ(MakeArgb(0), 0xFF000000u);
}

}  // namespace
}  // namespace yf::gfx
