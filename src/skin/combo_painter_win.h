// Combo boxes drawn entirely by the engine: a thin frame over the skin behind the box, a rounded
// drop-down button with a gradient and an arrow, and the text of a drop-down list. An edit
// inside the box is left alone (it is keyed out of the picture) and skinned as an edit.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/child_painter_win.h"

namespace yf {

struct ComboRecord : ChildRecord {
    bool focused = false;
};

class ComboPainter : public FamilyPainter<ComboPainter, ComboRecord, ControlFamily::Combos> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Erase; }

    // An omitted state: hover while the box is the window's hot control, focus from the record.
    void PaintCombo(int windowIndex, int combo, std::optional<bool> hover = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void DrawFace(HDC snapshot, HWND control, SIZE size, bool hover, bool focused);
};

}  // namespace yf
