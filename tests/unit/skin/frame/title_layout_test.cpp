#include "skin/frame/title_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(TitleLayoutTest, IconAndTextStartAtTheFrameMargin) {
    const TitleLayout title = LayoutTitle(371, 68, 3, 25);
    EXPECT_EQ(title.icon, (PixelBox{9, 5, 17, 17}));
    EXPECT_EQ(title.text.x, 29);
    EXPECT_EQ(title.text.y, 8);
    EXPECT_EQ(title.text.height, 32);
    // W = 371 - 68 - 10 - 6 = 287 from x0 = 9.
    EXPECT_EQ(title.area, (PixelBox{9, 5, 287, 20}));
}

TEST(TitleLayoutTest, TextEndsBeforeTheButtonStrip) {
    for (int stripWidth : {41, 68, 95, 149}) {
        const TitleLayout title = LayoutTitle(500, stripWidth, 3, 25);
        const int stripLeft = 500 - stripWidth + 1;
        EXPECT_LE(title.text.x + title.text.width, stripLeft) << stripWidth;
        EXPECT_EQ(title.area.x + title.area.width, title.text.x + title.text.width);
    }
}

}  // namespace
}  // namespace yf
