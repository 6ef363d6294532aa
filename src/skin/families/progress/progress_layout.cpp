#include "skin/families/progress/progress_layout.h"

#include <algorithm>
#include <cmath>

namespace yf {

ProgressBarGeometry LayoutProgressBar(int width, int height, bool vertical, int low, int high,
                                      int position) {
    ProgressBarGeometry g;
    const int range = high - low;
    if (range <= 0 || position <= 0) return g;
    const double w = width;
    const double h = height;
    if (vertical) {
        const double share = std::min(h / range * position, h);
        const double barHeight = std::trunc(share);
        const double top = std::trunc(h - share);
        if (barHeight <= 0) return g;
        g.bar = {1, static_cast<float>(top + 1), static_cast<float>(w - 3),
                 static_cast<float>(barHeight - 3)};
        g.gradientFrom = {0, static_cast<float>(top)};
        g.gradientTo = {static_cast<float>(w - 1), static_cast<float>(top)};
    } else {
        const double barWidth = std::trunc(std::min(w / range * position, w));
        if (barWidth <= 0) return g;
        g.bar = {1, 1, static_cast<float>(barWidth - 3), static_cast<float>(h - 3)};
        g.gradientFrom = {0, 0};
        g.gradientTo = {0, static_cast<float>(h - 1)};
    }
    g.hasBar = true;
    return g;
}

}  // namespace yf
