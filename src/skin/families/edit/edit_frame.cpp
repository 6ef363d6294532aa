#include "skin/families/edit/edit_frame.h"

namespace yf {

FrameLine ChooseEditFrame(int outerWidth, int outerHeight, bool focused, bool hover,
                          gfx::ColourRef accent) {
    const auto w = static_cast<float>(outerWidth);
    const auto h = static_cast<float>(outerHeight);
    if (hover) return {{1, 1, w - 2, h - 2}, 2, gfx::MakeArgb(accent, 180)};
    if (focused) return {{0, 0, w - 1, h - 1}, 1, gfx::MakeArgb(accent, 180)};
    return {{0, 0, w - 1, h - 1}, 1, gfx::MakeArgb(gfx::kBlackRef, 80)};
}

}  // namespace yf
