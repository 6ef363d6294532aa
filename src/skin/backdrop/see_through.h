// Which brush a skinned window or container hands a child that asks for its colours, and which
// child notifications mean the child's see-through background must be rebuilt. Portable so the
// tables can be checked without windows.
#pragma once

#include <cstdint>
#include <string_view>

namespace yf {

// The WM_CTLCOLOR* message a child sent.
enum class ColourRequest { Edit, Static, ListBox, Button };

enum class ColourAnswer {
    Forward,  // not ours: the window's own procedure answers
    Pattern,  // a brush of the skin behind the child
    Hollow,   // the stock null brush: the child draws nothing behind its content
};

struct ChildFacts {
    std::string_view className;        // as GetClassName gives it
    std::string_view parentClassName;  // of the child's parent
    std::uint32_t style = 0;
};

// An edit inside a combo box is left to the combo box; an owner-drawn list box paints itself.
ColourAnswer ChooseColourAnswer(ColourRequest request, const ChildFacts& child);

// WM_COMMAND notification `code` from a child of class `className`: true when the child is to be
// invalidated with erasing (text changed or scrolled, a list selection moved).
bool RepaintsOnNotification(std::string_view className, unsigned code);

// Class names are compared without regard to case, as Windows registers them.
bool SameClass(std::string_view a, std::string_view b);

}  // namespace yf
