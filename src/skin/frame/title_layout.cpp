#include "skin/frame/title_layout.h"

#include <algorithm>

namespace yf {

TitleLayout LayoutTitle(int clientWidth, int stripWidth, int frameMargin, int captionHeight) {
    const int x0 = frameMargin + 6;
    const int y0 = frameMargin + 5;
    const int available = std::max(clientWidth - stripWidth - 10 - 2 * frameMargin, 0);
    TitleLayout layout;
    layout.icon = {x0, y0 - 3, kIconSize, kIconSize};
    layout.text = {static_cast<float>(x0 + kTextIndent), static_cast<float>(y0),
                   static_cast<float>(std::max(available - kTextIndent, 0)),
                   static_cast<float>(kTitleHeight)};
    const int top = y0 - 3;
    layout.area = {x0, top, available,
                   std::max(std::min(y0 + kTitleHeight, captionHeight) - top, 0)};
    return layout;
}

}  // namespace yf
