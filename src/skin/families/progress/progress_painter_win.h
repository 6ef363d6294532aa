// Progress bars drawn by the engine over the skin behind them: a translucent rounded panel and
// a bar fading into the accent colour that grows from the left, or from the bottom of an
// upright one.
#pragma once

#include <windows.h>

#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"

namespace yf {

// What a progress bar's face is composed from.
struct ProgressFaceKey {
    BackgroundStamp background;
    bool vertical = false;
    int low = 0;
    int high = 0;
    int position = 0;
    gfx::ColourRef accent = 0;
    bool operator==(const ProgressFaceKey&) const = default;
};

struct ProgressRecord : ChildRecord {
    bool vertical = false;
    FaceCache<ProgressFaceKey, DibSurface> faces;
};

class ProgressPainter
    : public FamilyPainter<ProgressPainter, ProgressRecord, ControlFamily::ProgressBars> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }
    void PrepareFaces(WindowRecord& window) override;

    void PaintProgress(const Ref& ref);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Draw(HDC snapshot, const ProgressFaceKey& key);
    const DibSurface* Face(const Ref& ref, BackgroundSnapshot& fresh);
};

}  // namespace yf
