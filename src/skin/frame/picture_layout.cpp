#include "skin/frame/picture_layout.h"

namespace yf {

std::vector<PicturePlacement> LayoutPicture(PictureMode mode, int clientWidth, int clientHeight,
                                            int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return {};
    const int w = pictureWidth;
    const int h = pictureHeight;
    switch (mode) {
        case PictureMode::TopLeft:
            return {{0, 0, w, h, false}};
        case PictureMode::TopRight:
            return {{clientWidth - w, 0, w, h, false}};
        case PictureMode::Centred:
            return {{(clientWidth - w) / 2, (clientHeight - h) / 2, w, h, false}};
        case PictureMode::Stretched:
            return {{0, 0, clientWidth, clientHeight, false}};
        case PictureMode::MirroredStrip: {
            std::vector<PicturePlacement> copies;
            bool mirrored = false;
            for (int x = 0; x < clientWidth; x += w) {
                copies.push_back({x, 0, w, h, mirrored});
                mirrored = !mirrored;
            }
            return copies;
        }
    }
    return {};
}

}  // namespace yf
