// Edit boxes drawn over the skin: the engine replaces an edit's border with a thin translucent
// frame that lights up in the accent colour under the mouse or with the focus, and fills its
// background with the skin behind it; the edit keeps drawing its own text.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/child_painter_win.h"

namespace yf {

struct EditRecord : ChildRecord {
    bool focused = false;
    // Set by no one: the frame is lit while the window's hover tracking names this edit.
    bool hover = false;
    bool buttonDown = false;
};

class EditPainter : public FamilyPainter<EditPainter, EditRecord, ControlFamily::Edits> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Erase; }
    // One edit, also the one inside a combo box; nothing when it is taken over already.
    void TakeOverEdit(int windowIndex, HWND edit);

    // Nothing for an edit the engine has not taken over. An omitted state comes from the
    // record (and, for hover, from the window's hover tracking).
    void PaintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt,
                        std::optional<bool> hover = std::nullopt);
    // The skin behind the edit's client area, into `dc` (its client DC, or its window DC).
    void PaintEditBackground(HWND edit, HDC dc, bool toClientDc);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint(Ref& ref, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(Ref& ref);
    void OnMouseMove(Ref& ref);
    void DrawFrame(HDC snapshot, const Ref& ref, SIZE size, const RECT& client,
                   const RECT* scrollBars, std::optional<bool> focused,
                   std::optional<bool> hover);
};

}  // namespace yf
