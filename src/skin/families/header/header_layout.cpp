#include "skin/families/header/header_layout.h"

#include <algorithm>
#include <vector>

namespace yf {
namespace {

constexpr int kFormatRight = 0x1;
constexpr int kFormatCentre = 0x2;
constexpr int kFormatAlignMask = 0x3;

HeaderGradient Gradient(gfx::ColourRef from, int fromAlpha, gfx::ColourRef to, int toAlpha) {
    return {gfx::MakeArgb(from, fromAlpha), gfx::MakeArgb(to, toAlpha)};
}

}  // namespace

int HeaderHitItem(std::span<const HeaderSpan> items, int x) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].left + kHeaderDividerZone <= x && x <= items[i].right - kHeaderDividerZone) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

HeaderAlign HeaderAlignOf(int format) {
    switch (format & kFormatAlignMask) {
        case kFormatRight:
            return HeaderAlign::Right;
        case kFormatCentre:
            return HeaderAlign::Centre;
        default:
            return HeaderAlign::Left;
    }
}

int HeaderIconX(HeaderAlign align, int cellWidth, int iconWidth, int margin, int textWidth) {
    const bool tooWide = iconWidth + margin + textWidth >= cellWidth;
    switch (align) {
        case HeaderAlign::Right:
            return tooWide ? margin : cellWidth - iconWidth - textWidth;
        case HeaderAlign::Centre:
            return tooWide ? margin : (cellWidth - iconWidth - margin - textWidth) / 2;
        case HeaderAlign::Left:
            break;
    }
    return margin;
}

gfx::RectF HeaderTitleRect(int iconX, int iconWidth, int cellWidth, int cellHeight, int margin) {
    return {static_cast<float>(iconX + iconWidth), 0,
            static_cast<float>(std::max(cellWidth - iconWidth - 2 * margin, 0)),
            static_cast<float>(cellHeight)};
}

std::string TrimTitle(std::string_view title, float available,
                      const std::function<float(std::string_view)>& widthOf) {
    if (title.empty() || widthOf(title) <= available) return std::string(title);
    // Byte offsets where a character starts, the end included.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if ((static_cast<unsigned char>(title[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(title.size());
    constexpr std::string_view kEllipsis = "…";
    const auto withEllipsis = [&](std::size_t characters) {
        return std::string(title.substr(0, starts[characters])) + std::string(kEllipsis);
    };
    // The widths of longer starts never shrink: the longest that fits is found by halving.
    std::size_t fits = 0;
    std::size_t tooLong = starts.size() - 1;  // the whole title does not fit
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (widthOf(withEllipsis(middle)) <= available) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    if (fits == 0 && widthOf(kEllipsis) > available) return {};
    return withEllipsis(fits);
}

int HeaderCellRight(int itemRight, bool lastOfListView, int viewRight) {
    return lastOfListView ? std::max(itemRight, viewRight) : itemRight;
}

HeaderCellLook ChooseHeaderCell(const HeaderCellState& state, int item, bool transparentControls,
                                int veilAlpha, gfx::ColourRef accent) {
    HeaderCellLook look;
    look.base = gfx::MakeArgb(gfx::kWhiteRef, transparentControls ? veilAlpha : gfx::kOpaque);
    look.face = state.buttons ? Gradient(gfx::kWhiteRef, 80, accent, 120)
                              : Gradient(accent, 60, accent, 10);
    if (state.buttons && state.hover && item == state.hotItem) {
        look.hot = Gradient(accent, 60, gfx::kBlackRef, 30);
    }
    if (state.buttons && item == state.pressedItem) {
        look.pressed = Gradient(gfx::kBlackRef, 30, gfx::kWhiteRef, 120);
    }
    look.divider = Gradient(gfx::kBlackRef, 60, gfx::kWhiteRef, 50);
    return look;
}

bool NoteHeaderMove(HeaderHover& hover, int hit, bool pressed) {
    hover.hover = true;
    hover.hotItem = hit;
    if (hit >= 1) {
        if (hover.paintedHotItem == hit || pressed) return false;
        hover.paintedHotItem = hit;
        return true;
    }
    // Over a divider zone: nothing is lit; the header is painted plain once.
    const bool wasLit = hover.paintedHotItem != 0;
    hover = {};
    return wasLit;
}

}  // namespace yf
