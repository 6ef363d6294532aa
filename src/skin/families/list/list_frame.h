// The rules of the list-type controls over the skin: which controls are taken over, where a
// control's interior (client area and scroll bars) lies inside its border, which frame line
// each state gets, and how each class erases and paints over the picture. Portable so the
// rules can be checked without windows.
#pragma once

#include <cstdint>
#include <string_view>

#include "gfx/argb.h"
#include "skin/geometry.h"
#include "skin/shapes.h"

namespace yf {

enum class ListKind { ListBox, ComboList, ListView, TreeView, IpAddress, DateTimePicker, Other };

ListKind ListKindOf(std::string_view className);

// A list view with this style bit (sorting ascending) is left to itself.
constexpr std::uint32_t kListViewLeftAlone = 0x10;
constexpr std::uint32_t kListOwnerDrawFixed = 0x10;
constexpr std::uint32_t kListOwnerDrawVariable = 0x20;

// Whether a control of `kind` with window style `style`, found among a parent's children (a
// simple combo box's list: found inside its combo box), is taken over.
bool TakesOverList(ListKind kind, std::uint32_t style);

// WS_BORDER, or any of the dialog-frame, window-edge and client-edge extended styles.
bool HasBorder(std::uint32_t style, std::uint32_t exStyle);

struct ListSizes {
    int outerWidth = 0;
    int outerHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool verticalBar = false;    // WS_VSCROLL
    bool horizontalBar = false;  // WS_HSCROLL
    int verticalBarWidth = 0;    // as the system reports the bar
    int horizontalBarHeight = 0;
};

// The client area together with the scroll bars, centred in the outer rectangle (the border
// counts the same on both sides; halves round down), in outer coordinates.
PixelBox ListInteriorRect(const ListSizes& sizes);

// A simple combo box's list and a borderless control get no frame of the engine's.
bool DrawsListFrame(ListKind kind, bool hasBorder);

// Hover wins over focus: a 2-pixel accent line one pixel in; focus a 1-pixel accent line on the
// edge; otherwise a faint black line on the edge.
FrameLine ChooseListFrame(int outerWidth, int outerHeight, bool focused, bool hover,
                          gfx::ColourRef accent);

enum class ListErase {
    PassOn,       // the control erases as it would
    Transparent,  // nothing is erased: the see-through paint covers the whole client area
    Veiled,       // the skin behind the client area under the veil
};

ListErase ChooseListErase(ListKind kind, std::uint32_t style, bool transparentControls);

enum class ListPaint {
    PassOn,  // the control paints on the screen as it would
    // The control paints into a surface filled with the key colour, which is then laid over the
    // veiled skin without its key-coloured pixels.
    KeyedOverVeil,
    // The same with the system's window colour as the key: for a control that fills its
    // background with that colour whatever it is told.
    WindowColourOverVeil,
    IntoVeil,  // the control paints straight into the veiled skin
};

ListPaint ChooseListPaint(ListKind kind, bool transparentControls);

// The four arrow keys, which scroll a list by moving its selection.
bool IsArrowKey(unsigned virtualKey);

}  // namespace yf
