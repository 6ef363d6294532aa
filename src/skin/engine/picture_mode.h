// How a window's picture is laid out in its image (and, for the first two, faded first).
#pragma once

namespace yf {

// Any other value draws no picture.
enum class PictureMode { TopLeft = 0, TopRight = 1, Centred = 2, Stretched = 3, MirroredStrip = 4 };

}  // namespace yf
