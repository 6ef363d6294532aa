// A see-through label's backdrop from the faces the engine keeps: the label can then repaint
// itself in one paint, instead of every window under it repainting first.
#include <vector>

#include "core/window_children_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/skinned_control_win.h"

namespace yf {

bool ComposeSeeThroughBackdrop(HWND window, HDC dc, const BackdropOverlay& drawOver) {
    EngineCore* core = EngineCore::Current();
    HWND parent = ::GetParent(window);
    if (!core || !dc || !parent) return false;
    // The family holding the parent (a container) gives the face the label stands on.
    ChildPainter* under = core->Painters().Holding(parent);
    if (!under) return false;
    RECT spot{};
    ::GetWindowRect(window, &spot);
    POINT parentOrigin{0, 0};
    ::ClientToScreen(parent, &parentOrigin);
    const POINT inParent{spot.left - parentOrigin.x, spot.top - parentOrigin.y};
    const SIZE size{spot.right - spot.left, spot.bottom - spot.top};
    if (!under->CopyFacePart(parent, inParent, size, dc)) return false;
    // Bottom of the z-order first, as their own repaints would lay them over each other.
    const std::vector<HWND> children = ChildrenOf(parent);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if (*child == window || !::IsWindowVisible(*child)) continue;
        RECT bounds{};
        ::GetWindowRect(*child, &bounds);
        RECT common{};
        if (!::IntersectRect(&common, &bounds, &spot)) continue;
        const POINT at{bounds.left - spot.left, bounds.top - spot.top};
        ChildPainter* family = core->Painters().Holding(*child);
        if (!family || !family->ComposeQuiet(*child, dc, at)) return false;
        if (drawOver && !drawOver(*child, dc, at)) return false;
    }
    return true;
}

}  // namespace yf
