// Trackbars drawn by the engine over the skin behind them: a translucent rounded panel, a
// groove, a progress line in the accent colour and a round thumb that grows under the mouse.
// The control keeps all its behaviour; only its painting and hover tracking are the engine's.
#pragma once

#include <windows.h>

#include "skin/child_painter_win.h"

namespace yf {

struct TrackbarRecord : ChildRecord {
    bool vertical = false;
    int tickMode = 1;
    bool hover = false;
    bool selectionRange = false;
};

class TrackbarPainter
    : public FamilyPainter<TrackbarPainter, TrackbarRecord, ControlFamily::Trackbars> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }

    void PaintTrackbar(int windowIndex, int trackbar);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Draw(HDC snapshot, const Ref& ref, SIZE size);
};

}  // namespace yf
