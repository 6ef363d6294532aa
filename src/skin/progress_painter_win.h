// Progress bars drawn by the engine over the skin behind them: a translucent rounded panel and
// a bar fading into the accent colour that grows from the left, or from the bottom of an
// upright one.
#pragma once

#include <windows.h>

#include "skin/child_painter_win.h"

namespace yf {

struct ProgressRecord : ChildRecord {
    bool vertical = false;
};

class ProgressPainter
    : public FamilyPainter<ProgressPainter, ProgressRecord, ControlFamily::ProgressBars> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }

    void PaintProgress(int windowIndex, int bar);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace yf
