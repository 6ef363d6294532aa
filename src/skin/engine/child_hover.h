// Which child control of a skinned window was last painted hot. The family painters share one
// such record per window, so only one control of a window is lit at a time and a mouse move
// repaints a control only when it becomes the hot one (or its own hot part changes).
#pragma once

#include <cstdint>

namespace yf {

// Family codes of the hot control.
constexpr int kButtonHotKind = 0;
constexpr int kEditHotKind = 1;
constexpr int kTrackbarHotKind = 2;
constexpr int kComboHotKind = 3;
constexpr int kListHotKind = 4;
constexpr int kSpinHotKind = 8;
constexpr int kHeaderHotKind = 9;

struct ChildHover {
    int hoverIndex = 0;            // family index of the control the mouse last moved over
    int hotIndex = 0;              // family index of the control last painted hot; 0 = none
    int hotKind = 0;               // family code of that control
    std::uintptr_t hotParent = 0;  // its parent window, as a number
};

// The mouse moved over control `index` of family `kind` whose parent is `parent`; `partChanged`
// says that the painter's own part under the mouse changed (the half of an up-down). True when
// the control is to be painted hot now; the record then names it as the hot one.
bool NoteHoverMove(ChildHover& hover, int kind, int index, std::uintptr_t parent,
                   bool partChanged = false);

// The mouse left a control: nothing is hot any more, so the next move over it repaints.
void NoteHoverLeave(ChildHover& hover);

// Whether that control is the one last painted hot.
bool IsHot(const ChildHover& hover, int kind, int index, std::uintptr_t parent);

}  // namespace yf
