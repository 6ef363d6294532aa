#include "skin/engine/child_hover.h"

namespace yf {

bool NoteHoverMove(ChildHover& hover, int kind, int index, std::uintptr_t parent,
                   bool partChanged) {
    hover.hoverIndex = index;
    const bool due = partChanged || !IsHot(hover, kind, index, parent);
    hover.hotIndex = index;
    hover.hotKind = kind;
    hover.hotParent = parent;
    return due;
}

void NoteHoverLeave(ChildHover& hover) {
    hover.hotIndex = 0;
}

bool IsHot(const ChildHover& hover, int kind, int index, std::uintptr_t parent) {
    return index >= 1 && hover.hotIndex == index && hover.hotKind == kind &&
           hover.hotParent == parent;
}

}  // namespace yf
