// Containers: a child window (a group box, typically) registered with the engine gets its own
// children skinned, is painted over the skin picture under an optional translucent panel with
// a rounded double frame (and a group box's caption), and hands its see-through children the
// skin behind them as their background.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "gfx/argb.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/engine/family_roles_win.h"

namespace yf {

// What a container's face (the skin behind it with its panel, frame and caption) is composed
// from.
struct ContainerFaceKey {
    BackgroundStamp background;
    gfx::ColourRef colour = 0;
    int alpha = 0;
    bool border = false;
    bool isGroupBox = false;
    std::string text;
    std::uint32_t style = 0;
    gfx::ColourRef textColour = 0;
    bool operator==(const ContainerFaceKey&) const = default;
};

struct ControlRecord : ChildRecord {
    gfx::ColourRef colour = 0;  // panel colour; 0 = no panel
    int alpha = 255;
    bool border = false;  // draw the double frame on a container that is not a group box
    bool dirty = true;    // the next paint composes the whole container
    bool isGroupBox = false;
    bool painted = true;
    std::string fontName;  // the caption font of a group box
    int fontSize = 0;
    int fontStyle = 0;
    std::vector<std::pair<HWND, int>> docked;  // windows filling the container below `top`
    FaceCache<ContainerFaceKey, DibSurface, 1> faces;
};

class ContainerPainter
    : public FamilyPainter<ContainerPainter, ControlRecord, ControlFamily::Containers>,
      public ContainerRole {
  public:
    using FamilyPainter::FamilyPainter;

    // The index of the container in its window's list (also when it was registered before); 0
    // when no ancestor of the control is a skinned window.
    int RegisterContainer(HWND control, bool painted, gfx::ColourRef colour, int alpha,
                          bool border) override;
    bool SetContainerAlpha(HWND control, int alpha) override;
    // Lays the panels of the registered containers that `control` lies in (itself included)
    // over a snapshot of `rect` (outer coordinates of `control`).
    void LayPanels(HDC snapshot, HWND control, const RECT& rect) override;

    // The whole container into `dc` (or its own DC when none is given).
    void PaintContainer(const Ref& ref, HDC dc = nullptr);
    // The part of the container's face at `from` (client coordinates), `size` large, into `dc`
    // at 0, 0; false when `control` is no painted container or the part leaves its face.
    bool CopyFacePart(HWND control, POINT from, SIZE size, HDC dc) override;
    // The part `area` (client coordinates) of the container, through its own DC; the
    // see-through children there are redrawn over it afterwards.
    void RepaintContainer(const Ref& ref, const RECT& area);

    void PrepareFaces(WindowRecord& window) override;

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    void Forget(ChildRecord& record) override;

  private:
    // The container's client area with its panel, frame and caption: kept while nothing it is
    // made from changes; null when it cannot be composed.
    const DibSurface* Face(ControlRecord& record, BackgroundSnapshot& fresh);
    // Everything under the panels of the window changes with this.
    void PanelsChanged(const Ref& ref);
    void PaintGroupBox(HDC snapshot, HWND control, const ControlRecord& container, int width,
                       int height);
    void OnSize(Ref& ref);
    LRESULT OnPaint(Ref& ref);
};

}  // namespace yf
