// Edit boxes drawn over the skin: the engine replaces an edit's border with a thin translucent
// frame that lights up in the accent colour under the mouse or with the focus, and fills its
// background with the skin behind it; the edit keeps drawing its own text.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/geometry.h"

namespace yf {

// What an edit's frame is composed from.
struct EditFrameKey {
    BackgroundStamp background;
    PixelBox client;      // in outer coordinates
    PixelBox scrollBars;  // bounding box, empty without any
    bool focused = false;
    bool hover = false;
    gfx::ColourRef accent = 0;
    bool operator==(const EditFrameKey&) const = default;
};

struct EditRecord : ChildRecord {
    bool focused = false;
    // Set by no one: the frame is lit while the window's hover tracking names this edit.
    bool hover = false;
    bool buttonDown = false;
    FaceCache<EditFrameKey, DibSurface> frames;
    // The frame on the screen now, as long as nothing but its own paints has touched it.
    std::optional<EditFrameKey> shownFrame;
    FaceCache<BackgroundStamp, DibSurface, 1>
        backgrounds;  // the veiled skin behind the client area
};

class EditPainter : public FamilyPainter<EditPainter, EditRecord, ControlFamily::Edits> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    // The edit inside a combo box; nothing when it is taken over already.
    void Adopt(int windowIndex, HWND edit) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::Erase; }
    void PrepareFaces(WindowRecord& window) override;
    // The edit as its repaint would show it, into `dc` with its outer corner at `at`, when that
    // is its frame and background alone: an empty see-through edit without focus, pointer or
    // scroll bars whose quiet frame is the one on the screen. False otherwise.
    bool ComposeQuiet(HWND edit, HDC dc, POINT at) override;

    // An omitted state comes from the record (and, for hover, from the window's hover
    // tracking).
    void PaintEditFrame(const Ref& ref, std::optional<bool> focused = std::nullopt,
                        std::optional<bool> hover = std::nullopt);
    // The same, but nothing when the frame on the screen already shows that (a paint of the
    // client area alone leaves the frame as it was).
    void RefreshEditFrame(const Ref& ref);
    // The skin behind the edit's client area, into `dc` (its client DC, or its window DC).
    void PaintEditBackground(const Ref& ref, HDC dc, bool toClientDc);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT OnPaint(Ref& ref, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(Ref& ref);
    void OnMouseMove(Ref& ref);
    void DrawFrame(HDC snapshot, const EditFrameKey& key);
    EditFrameKey FrameKeyOf(const Ref& ref, std::optional<bool> focused, std::optional<bool> hover);
    // The frame composed for `key`, kept when it may be; null when it cannot be composed.
    const DibSurface* FrameFace(const Ref& ref, const EditFrameKey& key, BackgroundSnapshot& fresh);
    const DibSurface* BackgroundFace(const Ref& ref, BackgroundSnapshot& fresh);
    void ShowFrame(const Ref& ref, std::optional<bool> focused, std::optional<bool> hover,
                   bool onlyWhenChanged);
};

}  // namespace yf
