// Common controls the engine has no painter of its own for, laid over the skin when the
// application registers them one by one: the control paints itself as usual, and every pixel
// of its key colour (its background, by default the button face) is replaced by the veiled
// skin behind it, so only its own marks stay on the picture. A registered control with child
// windows is also registered as a container that does no painting of its own.
#pragma once

#include <windows.h>

#include <optional>

#include "gfx/argb.h"
#include "skin/engine/family_painter_win.h"
#include "skin/engine/family_roles_win.h"
#include "skin/families/keyed/keyed_paint.h"

namespace yf {

struct KeyedRecord : ChildRecord {
    gfx::ColourRef keyColour = 0;
    KeyedPaint paint = KeyedPaint::ReadBack;
    bool wholeOnScroll = false;
};

class KeyedPainter
    : public FamilyPainter<KeyedPainter, KeyedRecord, ControlFamily::Keyed, &kKeyedKeys>,
      public KeyedRole {
  public:
    using FamilyPainter::FamilyPainter;

    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }

    // Takes `control` over with `keyColour` (default: the system's button face). Returns the
    // index of the container it was registered as when it has children, else 0 (also when no
    // ancestor of the control is a skinned window: then nothing is registered). Registering a
    // control again only changes its key colour, when one is given.
    int RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour,
                             gfx::ColourRef panelColour, int panelAlpha) override;

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT PaintOffScreen(Ref& ref, WPARAM wParam, LPARAM lParam);
    LRESULT PaintReadBack(Ref& ref, WPARAM wParam, LPARAM lParam);
};

}  // namespace yf
