// A see-through label's backdrop from the faces the engine keeps: the label can then repaint
// itself in one paint, instead of every window under it repainting first.
#include <vector>

#include "core/window_children_win.h"
#include "skin/families/edit/edit_painter_win.h"
#include "skin/families/container/container_painter_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/skinned_control_win.h"

namespace yf {

bool ComposeSeeThroughBackdrop(HWND window, HDC dc, const BackdropOverlay& drawOver) {
    SkinEngine* engine = SkinEngine::Current();
    if (!engine || !dc) return false;
    auto* containers = engine->PainterOf<ContainerPainter>();
    auto* edits = engine->PainterOf<EditPainter>();
    HWND parent = ::GetParent(window);
    if (!containers || !edits || !parent) return false;
    RECT spot{};
    ::GetWindowRect(window, &spot);
    POINT parentOrigin{0, 0};
    ::ClientToScreen(parent, &parentOrigin);
    const POINT inParent{spot.left - parentOrigin.x, spot.top - parentOrigin.y};
    const SIZE size{spot.right - spot.left, spot.bottom - spot.top};
    if (!containers->CopyFace(parent, inParent, size, dc)) return false;
    // Bottom of the z-order first, as their own repaints would lay them over each other.
    const std::vector<HWND> children = ChildrenOf(parent);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        if (*child == window || !::IsWindowVisible(*child)) continue;
        RECT bounds{};
        ::GetWindowRect(*child, &bounds);
        RECT common{};
        if (!::IntersectRect(&common, &bounds, &spot)) continue;
        const POINT at{bounds.left - spot.left, bounds.top - spot.top};
        if (!edits->ComposeQuietEdit(*child, dc, at)) return false;
        if (drawOver && !drawOver(*child, dc, at)) return false;
    }
    return true;
}

}  // namespace yf
