// The skin engine's insides, behind the SkinEngine facade: GDI+ and the caption icon, the
// engine-wide settings and the prepared skin picture, the registered windows (each a
// WindowRecord with its WindowFrame), one painter per control family, the backdrop every
// painter shares, and the procedure of the skinned windows. The procedures the system calls
// reach the one instance through Current(); everything else is handed a reference.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/unique_handle_win.h"
#include "gfx/gdiplus_session_win.h"
#include "gfx/pixel_buffer.h"
#include "skin/backdrop/backdrop_win.h"
#include "skin/engine/family_painter_win.h"
#include "skin/engine/family_roles_win.h"
#include "skin/engine/skin_settings.h"
#include "skin/engine/window_record_win.h"
#include "skin/frame/edge_zones.h"

namespace yf {

class SkinnedWindowProcedure;
class WindowFrame;

// Where the caption icon comes from: the resource numbered `id` in the module, else the one
// named `name`; either may be left out.
struct IconResource {
    int id = 0;
    const wchar_t* name = nullptr;
};

class EngineCore {
  public:
    // Starts GDI+ and loads the caption icon from `module` (32 x 32). One instance at a time.
    EngineCore(HINSTANCE module, IconResource icon);
    // Gives every still registered window and control back its own procedure, destroys the
    // icon and shuts GDI+ down.
    ~EngineCore();
    EngineCore(const EngineCore&) = delete;
    EngineCore& operator=(const EngineCore&) = delete;

    // The instance the procedures reach; null when none exists.
    static EngineCore* Current();

    // ---- What every part reads ----
    const SkinSettings& Settings() const { return settings_; }
    // The flag the first WM_SIZE of the process clears.
    bool& MutableFirstSize() { return settings_.firstSize; }
    // Raised when a switch that changes what see-through faces look like changes.
    std::uint64_t SettingsVersion() const { return settingsVersion_; }
    HINSTANCE Module() const { return module_; }
    HICON WindowIcon() const { return windowIcon_.get(); }
    // The caption icon, 17 x 17 and premultiplied: made by the first caption that shows it.
    gfx::PixelBuffer& CaptionIconPixels() { return iconPixels_; }
    bool GdiplusRunning() const { return gdiplus_.Running(); }
    const PreparedPicture& SkinImage() const { return skinImage_; }
    int FrameMargin() const { return frameMargin_; }
    // The button the last caption hit test found (0 = none).
    int HotButton() const { return hotButton_; }
    void SetHotButton(int button) { hotButton_ = button; }
    // A new number for a version field: never the same twice in the process.
    std::uint64_t NextVersion() { return ++lastVersion_; }
    // `picture` made ready for renders in `mode` (decoded once; see PreparedPicture).
    PreparedPicture Prepare(gfx::Bitmap picture, PictureMode mode);
    // A prepared picture that shows nothing, with a generation of its own.
    PreparedPicture NoPicture() { return PreparedPicture{{}, nullptr, nextGeneration_++}; }

    // ---- The registered windows, 1-based as "Hw_lbID" numbers them ----
    int WindowCount() const { return static_cast<int>(windows_.size()); }
    // Null outside the list.
    WindowRecord* Record(int index);
    // The WindowList index of a registered window, 0 when it is not registered.
    int FindWindowIndex(HWND window) const;
    WindowRecord* RecordOf(HWND window) { return Record(FindWindowIndex(window)); }
    const WindowRecord* RecordOf(HWND window) const;
    // The index of the first registered window among the control's ancestors; 0 when none.
    int OwnerWindowIndex(HWND control) const;
    WindowFrame* FrameAt(int index);
    WindowFrame* FrameOf(HWND window) { return FrameAt(FindWindowIndex(window)); }
    // Whether `window` is one of the list or a control one of the families holds, as far as
    // the engine has met it (no round trip through the window system).
    bool Skins(HWND window) const { return FindWindowIndex(window) != 0 || painters_.Know(window); }

    // ---- The families ----
    const PainterSet& Painters() const { return painters_; }
    // Null when the engine has no painter of that family.
    template <typename Painter>
    Painter* PainterOf() const {
        return painters_.Get<Painter>();
    }
    // The families' answers to the operations that belong to one of them.
    const FamilyRoles& Roles() const { return roles_; }
    Backdrop& GetBackdrop() { return backdrop_; }
    // Every family takes its controls among the direct children of `parent` over, in the
    // take-over order (nothing while control skinning is off).
    void TakeOverChildren(int index, HWND parent);
    // Offers a message a skinned window or container got about one of its children
    // (WM_DRAWITEM, WM_NOTIFY) to every family; true when one answered it with `result`.
    bool OfferChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result);
    // Right after `window` was composed: every family composes the faces its visible controls
    // will show, and the brushes handed to its see-through children are made again.
    void PrepareFaces(WindowRecord& window);
    // After a composition shown at once: each family's controls standing on the window
    // itself are refreshed as the family asks.
    void RefreshChildrenAfterRender(WindowRecord& window);

    // ---- The calls of the application (skin_apply_win.cpp) ----
    void SetSkinPicture(const SkinPictureArgs& args);
    void SetControlOptions(const ControlOptions& options);
    bool ApplySkin(const ApplySkinArgs& args);
    void SetControlTextColour(HWND control, gfx::ColourRef colour);

    // ---- The skinned windows' lives ----
    SkinnedWindowProcedure& Procedure() { return *procedure_; }
    // WM_NCDESTROY: the window's record goes and the others are renumbered.
    void ReleaseWindow(int index);
    void ShutDownGdiplus();
    // Replaces decoded stretched pictures by their screen-sized copies (on an idle timer).
    void FinishPreparation();
    UINT_PTR FinishingTimerId() const { return reinterpret_cast<UINT_PTR>(this); }

  private:
    void ScheduleFinishing();
    void ReskinVisibleWindows();
    void Renumber();
    // Gives the window and its controls back their own procedures.
    void Unsubclass(WindowRecord& record);
    void ReleaseChildren(WindowRecord& record);

    HINSTANCE module_;
    gfx::GdiplusSession gdiplus_;
    UniqueIcon windowIcon_;
    gfx::PixelBuffer iconPixels_;
    SkinSettings settings_;
    PreparedPicture skinImage_;
    int nextGeneration_ = 1;
    std::vector<std::unique_ptr<WindowRecord>> windows_;
    int frameMargin_ = kFrameMargin;
    int hotButton_ = 0;
    std::uint64_t lastVersion_ = 0;
    std::uint64_t settingsVersion_ = 0;
    Backdrop backdrop_;
    PainterSet painters_;
    FamilyRoles roles_;
    std::unique_ptr<SkinnedWindowProcedure> procedure_;
};

// Fills `painters` with the families the engine knows, in their take-over order, and names in
// `roles` the families that answer the engine's family operations (the take-over list).
void AddFamilyPainters(EngineCore& core, PainterSet& painters, FamilyRoles& roles);

}  // namespace yf
