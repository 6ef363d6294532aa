// Up-down controls drawn by the engine: two translucent rounded halves over the skin behind the
// control, each with its arrow glyph, the half under the mouse in the accent colour. The
// control keeps all its behaviour; only its painting and hover tracking are the engine's.
#pragma once

#include <windows.h>

#include <optional>

#include "gfx/image_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/families/spin/spin_layout.h"

namespace yf {

// What an up-down's face is composed from.
struct SpinFaceKey {
    BackgroundStamp background;
    bool horizontal = false;
    int hotHalf = -1;  // -1 none
    bool pressed = false;
    gfx::ColourRef accent = 0;
    bool operator==(const SpinFaceKey&) const = default;
};

struct SpinRecord : ChildRecord {
    bool hover = false;
    int hotPart = 0;  // half under the mouse at the last move: 0 up/left, 1 down/right
    bool pressed = false;
    bool horizontal = false;
    LPARAM mousePos = 0;  // client coordinates, x in the low word
    FaceCache<SpinFaceKey, DibSurface> faces;
};

class SpinPainter : public FamilyPainter<SpinPainter, SpinRecord, ControlFamily::Spins> {
  public:
    using FamilyPainter::FamilyPainter;

    // Up-down controls among the direct children of `parent`.
    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Repaint; }
    void PrepareFaces(WindowRecord& window) override;

    // 0: the up (left) half, 1: the down (right) half.
    int SpinHitPart(const Ref& ref, LPARAM position);
    // An omitted state is taken from the control's record.
    void PaintSpin(const Ref& ref, std::optional<bool> hover = std::nullopt,
                   std::optional<bool> pressed = std::nullopt,
                   std::optional<LPARAM> position = std::nullopt);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseGraphics() override;

  private:
    // The two arrows of an up-down of that orientation, decoded once.
    const gfx::Bitmap* Arrows(bool horizontal);
    void DrawHalves(HDC snapshot, const SpinFaceKey& key, const SpinLayout& layout);
    // The face for those states (omitted ones from the record), kept when it may be.
    const DibSurface* Face(const Ref& ref, std::optional<bool> hover, std::optional<bool> pressed,
                           std::optional<LPARAM> position, BackgroundSnapshot& fresh);

    gfx::Bitmap arrows_[2][2];  // [horizontal][half]
    bool decoded_[2] = {false, false};
};

}  // namespace yf
