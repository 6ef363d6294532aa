#include "skin/frame/picture_layout.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

using P = PicturePlacement;
using M = PictureMode;

TEST(PictureLayoutTest, NaturalSizeModes) {
    EXPECT_EQ(LayoutPicture(M::TopLeft, 300, 200, 120, 80), (std::vector<P>{{0, 0, 120, 80, false}}));
    EXPECT_EQ(LayoutPicture(M::TopRight, 300, 200, 120, 80), (std::vector<P>{{180, 0, 120, 80, false}}));
    EXPECT_EQ(LayoutPicture(M::Centred, 300, 200, 120, 80), (std::vector<P>{{90, 60, 120, 80, false}}));
    EXPECT_EQ(LayoutPicture(M::Centred, 300, 200, 401, 301), (std::vector<P>{{-50, -50, 401, 301, false}}));
}

TEST(PictureLayoutTest, StretchedCoversTheClientArea) {
    EXPECT_EQ(LayoutPicture(M::Stretched, 371, 255, 2560, 1600), (std::vector<P>{{0, 0, 371, 255, false}}));
}

TEST(PictureLayoutTest, MirroredStripAlternatesAndEndsPastTheRightEdge) {
    const auto copies = LayoutPicture(M::MirroredStrip, 250, 200, 100, 60);
    EXPECT_EQ(copies,
              (std::vector<P>{
                  {0, 0, 100, 60, false}, {100, 0, 100, 60, true}, {200, 0, 100, 60, false}}));
    EXPECT_EQ(LayoutPicture(M::MirroredStrip, 200, 100, 100, 60).size(), 2u);
}

TEST(PictureLayoutTest, UnknownModesAndEmptyPicturesDrawNothing) {
    EXPECT_TRUE(LayoutPicture(static_cast<M>(5), 300, 200, 10, 10).empty());
    EXPECT_TRUE(LayoutPicture(static_cast<M>(-1), 300, 200, 10, 10).empty());
    EXPECT_TRUE(LayoutPicture(M::Stretched, 300, 200, 0, 10).empty());
}

}  // namespace
}  // namespace yf
