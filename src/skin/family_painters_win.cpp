// The control families the engine knows. The order of the families that take controls over is
// the order in which ApplySkin (for a window) and RegisterContainer (for a container) hand a
// parent's children to them: buttons, edit and combo boxes, trackbars, progress bars,
// list-type controls, up-downs, headers.
#include "skin/button_painter_win.h"
#include "skin/combo_painter_win.h"
#include "skin/edit_painter_win.h"
#include "skin/frame/container_painter_win.h"
#include "skin/frame/header_painter_win.h"
#include "skin/frame/keyed_painter_win.h"
#include "skin/frame/spin_painter_win.h"
#include "skin/list_painter_win.h"
#include "skin/progress_painter_win.h"
#include "skin/skin_engine_win.h"
#include "skin/trackbar_painter_win.h"

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
