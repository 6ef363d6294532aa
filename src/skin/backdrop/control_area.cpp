#include "skin/backdrop/control_area.h"

namespace yf {

PixelBox ClientAreaInOuter(const ControlSizes& sizes) {
    const int clientWidth = sizes.clientWidth + (sizes.verticalScrollBar ? kScrollBarSize : 0);
    const int clientHeight = sizes.clientHeight + (sizes.horizontalScrollBar ? kScrollBarSize : 0);
    return {(sizes.outerWidth - clientWidth) / 2, (sizes.outerHeight - clientHeight) / 2,
            sizes.clientWidth, sizes.clientHeight};
}

}  // namespace yf
