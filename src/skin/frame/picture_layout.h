// Where a window's picture goes in its image, by layout mode: natural size at a corner or in
// the middle, stretched over the client area, or repeated across it with every second copy
// mirrored.
#pragma once

#include <vector>

#include "skin/engine/picture_mode.h"

namespace yf {

struct PicturePlacement {
    int x = 0;
    int y = 0;
    int width = 0;  // the size the picture is drawn at
    int height = 0;
    bool mirrored = false;
    bool operator==(const PicturePlacement&) const = default;
};

// Copies of a pictureWidth x pictureHeight picture for a clientWidth x clientHeight image;
// empty for an unknown mode or an empty picture. Copies may reach past the image; the caller
// clips.
std::vector<PicturePlacement> LayoutPicture(PictureMode mode, int clientWidth, int clientHeight,
                                            int pictureWidth, int pictureHeight);

}  // namespace yf
