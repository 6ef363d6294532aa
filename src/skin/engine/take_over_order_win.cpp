// The control families the engine knows. The order of the families that take controls over is
// the order in which ApplySkin (for a window) and RegisterContainer (for a container) hand a
// parent's children to them: buttons, edit and combo boxes, trackbars, progress bars,
// list-type controls, up-downs, headers.
#include "skin/families/button/button_painter_win.h"
#include "skin/families/combo/combo_painter_win.h"
#include "skin/families/edit/edit_painter_win.h"
#include "skin/families/container/container_painter_win.h"
#include "skin/families/header/header_painter_win.h"
#include "skin/families/keyed/keyed_painter_win.h"
#include "skin/families/spin/spin_painter_win.h"
#include "skin/families/list/list_painter_win.h"
#include "skin/families/progress/progress_painter_win.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/families/trackbar/trackbar_painter_win.h"

namespace yf {

void AddFamilyPainters(SkinEngine& engine, PainterSet& painters) {
    painters.AddTakingOver(std::make_unique<ButtonPainter>(engine));
    painters.AddTakingOver(std::make_unique<EditPainter>(engine));
    painters.AddTakingOver(std::make_unique<ComboPainter>(engine));
    painters.AddTakingOver(std::make_unique<TrackbarPainter>(engine));
    painters.AddTakingOver(std::make_unique<ProgressPainter>(engine));
    painters.AddTakingOver(std::make_unique<ListPainter>(engine));
    painters.AddTakingOver(std::make_unique<SpinPainter>(engine));
    painters.AddTakingOver(std::make_unique<HeaderPainter>(engine));
    painters.AddRegistered(std::make_unique<ContainerPainter>(engine));
    painters.AddRegistered(std::make_unique<KeyedPainter>(engine));
}

}  // namespace yf
