// Geometry, colours and hover rules of a skinned header control: which item the mouse is over
// (not the zones either side of a divider, where dragging resizes a column), where an item's
// icon and title go for each alignment, which gradients a cell gets in each state, and when a
// mouse move repaints. Portable so the rules can be checked without windows.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gfx/argb.h"
#include "gfx/figure.h"

namespace yf {

// Pixels either side of a divider that belong to no item.
constexpr int kHeaderDividerZone = 5;

struct HeaderSpan {
    int left = 0;
    int right = 0;
};

// The 1-based item whose span holds x at least kHeaderDividerZone pixels from both edges, in
// item order; 0 when none does.
int HeaderHitItem(std::span<const HeaderSpan> items, int x);

enum class HeaderAlign { Left, Right, Centre };

// From an item's format bits (HDF_RIGHT 0x1, HDF_CENTER 0x2).
HeaderAlign HeaderAlignOf(int format);

// Where the icon (or, without one, the title) starts in a cell `cellWidth` wide: a right or
// centred item that does not fit starts at the margin like a left one.
int HeaderIconX(HeaderAlign align, int cellWidth, int iconWidth, int margin, int textWidth);

// The title's layout rectangle in cell coordinates, right after the icon.
gfx::RectF HeaderTitleRect(int iconX, int iconWidth, int cellWidth, int cellHeight, int margin);

// `title` (UTF-8) as it fits `available` pixels by `widthOf`: whole when it fits, else its
// longest start that fits followed by an ellipsis ("…" alone, or nothing, when no start does).
std::string TrimTitle(std::string_view title, float available,
                      const std::function<float(std::string_view)>& widthOf);

// The right edge of a cell: the last item of a list view's header reaches the view's right edge.
int HeaderCellRight(int itemRight, bool lastOfListView, int viewRight);

struct HeaderGradient {
    gfx::Argb from = 0;  // at the top of the cell
    gfx::Argb to = 0;    // at the bottom
    bool operator==(const HeaderGradient&) const = default;
};

struct HeaderCellLook {
    gfx::Argb base = 0;  // the white (or veiling) fill under everything
    HeaderGradient face;
    std::optional<HeaderGradient> hot;
    std::optional<HeaderGradient> pressed;
    HeaderGradient divider;  // the 1-pixel line at the cell's right edge
    bool operator==(const HeaderCellLook&) const = default;
};

struct HeaderCellState {
    bool buttons = false;  // HDS_BUTTONS: only then are items lit or pressed
    bool hover = false;
    int hotItem = 0;
    int pressedItem = 0;
};

// The look of 1-based item `item`; `veilAlpha` is the base fill's opacity when the controls are
// see-through (otherwise the base is opaque white).
HeaderCellLook ChooseHeaderCell(const HeaderCellState& state, int item, bool transparentControls,
                                int veilAlpha, gfx::ColourRef accent);

struct HeaderHover {
    bool hover = false;
    int hotItem = 0;         // item under the mouse
    int paintedHotItem = 0;  // hot item the header was last painted with
};

// The mouse moved over the header onto item `hit` (0: none, or a divider zone) with the left
// button `pressed` or not. True when the header is to be painted again: a new item is lit, or
// the lit one is no longer under the mouse.
bool NoteHeaderMove(HeaderHover& hover, int hit, bool pressed);

}  // namespace yf
