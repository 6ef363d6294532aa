// Combo boxes drawn entirely by the engine: a thin frame over the skin behind the box, a rounded
// drop-down button with a gradient and an arrow, and the text of a drop-down list. An edit
// inside the box is left alone (it is keyed out of the picture) and skinned as an edit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "gfx/image_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/geometry.h"

namespace yf {

// What a combo box's face is composed from.
struct ComboFaceKey {
    BackgroundStamp background;
    std::uint32_t style = 0;
    bool hover = false;
    bool focused = false;
    gfx::ColourRef accent = 0;
    std::string text;
    gfx::ColourRef textColour = 0;
    std::vector<PixelBox> keyedOut;  // children that show through, in outer coordinates
    bool operator==(const ComboFaceKey&) const = default;
};

struct ComboRecord : ChildRecord {
    bool focused = false;
    FaceCache<ComboFaceKey, DibSurface> faces;
};

class ComboPainter : public FamilyPainter<ComboPainter, ComboRecord, ControlFamily::Combos> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Erase; }
    void PrepareFaces(WindowRecord& window) override;

    // An omitted state: hover while the box is the window's hot control, focus from the record.
    void PaintCombo(const Ref& ref, std::optional<bool> hover = std::nullopt,
                    std::optional<bool> focused = std::nullopt);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

    void ReleaseGraphics() override { arrow_.Dispose(); }

  private:
    void DrawFace(HDC snapshot, const ComboFaceKey& key);
    // The face for those states (omitted ones as the record and hover tracking have them).
    const DibSurface* Face(const Ref& ref, std::optional<bool> hover, std::optional<bool> focused,
                           BackgroundSnapshot& fresh);

    gfx::Bitmap arrow_;  // the drop-down arrow, decoded once
};

}  // namespace yf
