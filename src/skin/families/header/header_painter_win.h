// Header controls over the skin, standing alone or heading a list view: every item is a
// translucent cell with an accent gradient, a lit and a pressed look when the header has
// clickable buttons, a fading divider at its right edge, its image-list icon and its title in
// the header's font, trimmed with an ellipsis. The header never paints itself.
#pragma once

#include <windows.h>

#include <string>

#include "skin/engine/family_painter_win.h"
#include "skin/families/header/header_layout.h"

namespace yf {

struct HeaderRecord : ChildRecord {
    HeaderHover hover;
    bool buttons = false;  // HDS_BUTTONS
    int pressedItem = 0;
    bool pressed = false;
    bool ofListView = false;
    std::string fontName;
    int fontStyle = 0;
    int fontSize = 0;
};

class HeaderPainter : public FamilyPainter<HeaderPainter, HeaderRecord, ControlFamily::Headers> {
  public:
    using FamilyPainter::FamilyPainter;

    // Headers among the direct children of `parent`, then the header of each list view there.
    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }

    // The 1-based item under the mouse at `position` (client coordinates); 0 for none or a
    // divider zone.
    int HeaderHitItem(const Ref& ref, LPARAM position);
    // Into `dc` (a paint DC of the header), or a DC of the header's own when none is given.
    void PaintHeader(const Ref& ref, HDC dc = nullptr);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void TakeOverHeader(int windowIndex, HWND header, bool ofListView);
    void OnMouseMove(Ref& ref, LPARAM position);
};

}  // namespace yf
