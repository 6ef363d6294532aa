// Trackbars drawn by the engine over the skin behind them: a translucent rounded panel, a
// groove, a progress line in the accent colour and a round thumb that grows under the mouse.
// The control keeps all its behaviour; only its painting and hover tracking are the engine's.
#pragma once

#include <windows.h>

#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/families/trackbar/trackbar_layout.h"

namespace yf {

// What a trackbar's face is composed from.
struct TrackbarFaceKey {
    BackgroundStamp background;
    TrackbarFacts facts;
    bool hover = false;
    gfx::ColourRef accent = 0;
    bool operator==(const TrackbarFaceKey&) const = default;
};

struct TrackbarRecord : ChildRecord {
    bool vertical = false;
    int tickMode = 1;
    bool hover = false;
    bool selectionRange = false;
    FaceCache<TrackbarFaceKey, DibSurface> faces;
};

class TrackbarPainter
    : public FamilyPainter<TrackbarPainter, TrackbarRecord, ControlFamily::Trackbars> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }
    void PrepareFaces(WindowRecord& window) override;

    void PaintTrackbar(const Ref& ref);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    TrackbarFacts FactsOf(const Ref& ref);
    void Draw(HDC snapshot, const TrackbarFaceKey& key, SIZE size);
    const DibSurface* Face(const Ref& ref, BackgroundSnapshot& fresh);
};

}  // namespace yf
