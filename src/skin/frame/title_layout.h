// Where the caption title goes: the icon and the haloed text left of the button strip.
#pragma once

#include "gfx/figure.h"
#include "skin/frame/frame_metrics.h"
#include "skin/geometry.h"

namespace yf {

struct TitleLayout {
    PixelBox icon;    // drawn at 17 x 17
    gfx::RectF text;  // layout rectangle of the text (it wraps inside, and is clipped)
    PixelBox area;    // what a title repaint restores and copies out
};

// For a client area `clientWidth` wide whose strip is `stripWidth` wide, with frame margin m:
// the title starts at (m + 6, m + 5); the text starts 20 pixels right of the icon and ends where
// the button strip begins; everything stays inside the caption bar.
TitleLayout LayoutTitle(int clientWidth, int stripWidth, int frameMargin, int captionHeight);

}  // namespace yf
