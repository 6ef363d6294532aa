// The control families the engine knows: the one place in the engine that names them. The
// order of the families that take controls over is the order in which ApplySkin (for a window)
// and RegisterContainer (for a container) hand a parent's children to them: buttons, edit and
// combo boxes, trackbars, progress bars, list-type controls, up-downs, headers. Containers and
// colour-keyed controls are registered one by one. A new family is a folder under
// skin/families/ and one line here.
#include "skin/engine/engine_core_win.h"
#include "skin/families/button/button_painter_win.h"
#include "skin/families/combo/combo_painter_win.h"
#include "skin/families/container/container_painter_win.h"
#include "skin/families/edit/edit_painter_win.h"
#include "skin/families/header/header_painter_win.h"
#include "skin/families/keyed/keyed_painter_win.h"
#include "skin/families/list/list_painter_win.h"
#include "skin/families/progress/progress_painter_win.h"
#include "skin/families/spin/spin_painter_win.h"
#include "skin/families/trackbar/trackbar_painter_win.h"

namespace yf {
namespace {

// Adds `painter` with `add` and hands it back, for the family operations it answers.
template <typename Painter>
Painter* Added(EngineCore& core, PainterSet& painters,
               void (PainterSet::*add)(std::unique_ptr<ChildPainter>)) {
    auto painter = std::make_unique<Painter>(core);
    Painter* kept = painter.get();
    (painters.*add)(std::move(painter));
    return kept;
}

}  // namespace

void AddFamilyPainters(EngineCore& core, PainterSet& painters, FamilyRoles& roles) {
    constexpr auto taking = &PainterSet::AddTakingOver;
    constexpr auto registered = &PainterSet::AddRegistered;
    roles.pictureButtons = Added<ButtonPainter>(core, painters, taking);
    Added<EditPainter>(core, painters, taking);
    Added<ComboPainter>(core, painters, taking);
    Added<TrackbarPainter>(core, painters, taking);
    Added<ProgressPainter>(core, painters, taking);
    Added<ListPainter>(core, painters, taking);
    Added<SpinPainter>(core, painters, taking);
    Added<HeaderPainter>(core, painters, taking);
    roles.containers = Added<ContainerPainter>(core, painters, registered);
    roles.keyed = Added<KeyedPainter>(core, painters, registered);
}

}  // namespace yf
