// List-type controls over the skin: list boxes, the list of a simple combo box, list views,
// tree views, IP-address controls and date-time pickers keep drawing their own items, but
// their border becomes a thin translucent frame that lights up under the mouse or with the
// focus, and with see-through painting on they draw onto the skin behind them.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/unique_handle_win.h"
#include "gfx/graphics_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/backdrop/face_cache.h"
#include "skin/engine/family_painter_win.h"
#include "skin/families/list/list_frame.h"
#include "skin/geometry.h"

namespace yf {

// What a list control's frame is composed from.
struct ListFrameKey {
    BackgroundStamp background;
    PixelBox interior;  // outer coordinates
    bool focused = false;
    bool hover = false;
    gfx::ColourRef accent = 0;
    bool operator==(const ListFrameKey&) const = default;
};

struct ListRecord : ChildRecord {
    bool focused = false;
    bool hover = false;
    // Between an arrow key going down and a key coming up: the list scrolls by copying its
    // pixels, picture and all, so it is repainted whole before each message it gets meanwhile.
    bool keyScroll = false;
    ListKind kind = ListKind::Other;
    FaceCache<ListFrameKey, DibSurface> frames;
    // The frame on the screen now, as long as nothing but the control's own paints touched it.
    std::optional<ListFrameKey> shownFrame;
    FaceCache<BackgroundStamp, DibSurface, 1> backgrounds;  // the veiled skin behind the client
    DibSurface canvas;  // what the control paints into, reused from paint to paint
    DibSurface keyed;
};

class ListPainter : public FamilyPainter<ListPainter, ListRecord, ControlFamily::Lists> {
  public:
    using FamilyPainter::FamilyPainter;

    void Install(int windowIndex, HWND parent) override;
    RenderRefresh AfterRender() const override { return RenderRefresh::EraseWithChildren; }
    void PrepareFaces(WindowRecord& window) override;

    // An omitted state comes from the record.
    void PaintListFrame(const Ref& ref, std::optional<bool> hover = std::nullopt,
                        std::optional<bool> focused = std::nullopt);
    // The client area and the scroll bars, in the control's outer coordinates.
    static RECT ListInteriorRect(HWND control);
    static bool HasBorder(HWND control);

    // The family's subclass procedure.
    LRESULT OnMessage(Ref& ref, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    void Forget(ChildRecord& record) override;

  private:
    void TakeOverList(int windowIndex, HWND control, ListKind kind);
    ListFrameKey FrameKeyOf(const Ref& ref, std::optional<bool> hover, std::optional<bool> focused);
    // The frame to show, kept or composed into `fresh`; null when there is none to draw.
    const DibSurface* FrameFace(const Ref& ref, const ListFrameKey& key, BackgroundSnapshot& fresh);
    void DrawFrame(gfx::Graphics& graphics, const ListFrameKey& key) const;
    const DibSurface* VeiledBackground(const Ref& ref, BackgroundSnapshot& fresh);
    void ShowFrame(const Ref& ref, std::optional<bool> hover, std::optional<bool> focused,
                   bool onlyWhenChanged);
    LRESULT OnPaint(Ref& ref, WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(Ref& ref, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(Ref& ref);
    void OnMouseMove(Ref& ref);
    void SetKeyScroll(Ref& ref, bool on);
    void StopScrolling(HWND control);

    // Run for each queued message about to be dispatched on the thread: a list scrolling by
    // its arrow keys that is the target or one of its ancestors is invalidated.
    static LRESULT CALLBACK QueuedMessageHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
    void BeforeDispatch(HWND target);

    UniqueHook hook_;
    std::vector<HWND> scrolling_;  // the controls whose record has keyScroll set
};

}  // namespace yf
