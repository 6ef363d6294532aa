// The skin engine: one instance per process replaces the system look of registered top-level
// windows with a picture background under a drawn caption bar (icon, haloed title, fading
// caption buttons) and a rounded outline, and hands the windows' child controls to the painters
// of their families. The application configures it (SetSkinPicture, SetControlOptions) and
// registers its window (ApplySkin); a later SetSkinPicture re-skins every window at once.
// docs/skin-engine.md tells how a message reaches a painter and how to add a family.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/unique_handle_win.h"
#include "gfx/gdiplus_session_win.h"
#include "gfx/graphics_win.h"
#include "skin/backdrop/background_snapshot_win.h"
#include "skin/backdrop/background_stamp.h"
#include "skin/engine/family_painter_win.h"
#include "skin/engine/skin_settings.h"
#include "skin/engine/window_record_win.h"

namespace yf {

class SkinnedWindowProcedure;

// Where the caption icon comes from: the resource numbered `id` in the module, else the one
// named `name`; either may be left out.
struct IconResource {
    int id = 0;
    const wchar_t* name = nullptr;
};

class SkinEngine : public SkinSetup {
  public:
    // Starts GDI+ and loads the caption icon from `module` (32 x 32). One instance at a time.
    explicit SkinEngine(HINSTANCE module = nullptr, IconResource icon = {});
    // Gives every still registered window and control back its own procedure, destroys the
    // icon and shuts GDI+ down.
    ~SkinEngine() override;
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // The instance the window procedures reach; null when none exists.
    static SkinEngine* Current();

    // ---- The operations, in the order of the engine's table ----
    LRESULT SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CaptionClick(int index, int button);
    bool ApplySkin(const ApplySkinArgs& args) override;
    bool AddCaptionButton(HWND window, std::span<const std::uint8_t> picture,
                          std::string_view tooltip, std::function<void()> callback);
    bool SetTitleStyle(HWND window, std::optional<std::string> font, std::optional<int> size,
                       std::optional<gfx::ColourRef> colour,
                       std::optional<gfx::ColourRef> haloColour, std::optional<int> style);
    // False only for a window that is not registered or empty bytes; bytes that do not decode
    // leave the window its fill colour.
    bool SetWindowPicture(HWND window, std::span<const std::uint8_t> bytes,
                          std::optional<PictureMode> mode = std::nullopt);
    void SetSkinPicture(const SkinPictureArgs& args) override;
    void SetControlOptions(const ControlOptions& options) override;
    void RenderWindow(int index, HDC target = nullptr, bool showNow = true);
    void ShowCachedImage(int index, HDC dc);
    void PaintBackground(int index, gfx::Graphics* gloss);
    void PaintOutline(gfx::Graphics& graphics, int width, int height);
    void PaintStripSeparators(int index, int button, gfx::Graphics& graphics);
    void RestoreTopBand(int index, const RECT& rect);
    void RestoreStatusBand(int index, const RECT& rect);
    // `onImage`: draw with the caller's graphics into the window image only.
    void PaintCaptionButton(int index, int button, gfx::Graphics* onImage = nullptr,
                            bool pressed = false, int opacity = 0);
    void PaintButtonHighlight(gfx::Graphics& graphics, int index, int button, int opacity);
    void LayoutCaptionButtons(int index);
    int CaptionHitTest(int index, int x, int y);
    int MaximizeButtonIndex(int index);
    void BeginMoveOrResize(int index, LPARAM position, const RECT& client);
    void SetBorderCursor(int index, LPARAM position, const RECT& client);
    bool SetHelpCallback(HWND window, std::function<void()> callback);
    bool SetMenuCallback(HWND window, std::function<void()> callback);
    void PaintTitle(int index, gfx::Graphics* onImage = nullptr,
                    std::optional<std::string> text = std::nullopt);
    // The status bar: `height` 0 is none; cells of the declared widths (-1: the rest of the
    // bar) when widths are given.
    void SetUpStatusBar(int index, int height, std::span<const int> widths);
    void LayoutStatusBar(int index);
    // Cell 1 .. count; `onImage`: draw with the caller's graphics into the window image only.
    void PaintStatusCell(int index, gfx::Graphics* onImage, int cell);
    // False for a window that is not registered or a cell beyond the last.
    bool SetStatusCell(HWND window, int cell, std::string_view text,
                       std::optional<std::span<const std::uint8_t>> picture = std::nullopt,
                       std::optional<gfx::ColourRef> colour = std::nullopt);
    bool SetStatusTextStyle(HWND window, const BarTextStyleArgs& style);
    // A push button of a skinned window (or of one of its containers) painted with a picture
    // beside (`value` != 0) or above its caption, or with one picture per state; false when no
    // ancestor of the button is skinned.
    bool RegisterPictureButton(HWND button, std::span<const std::uint8_t> picture, int value,
                               std::string_view tooltip);
    bool RegisterStatePictureButton(HWND button, std::span<const std::uint8_t> normal,
                                    std::span<const std::uint8_t> hover,
                                    std::span<const std::uint8_t> pressed,
                                    std::span<const std::uint8_t> disabled,
                                    std::string_view tooltip);
    // A child window (a group box, typically) whose own children are skinned too, painted over
    // the skin under an optional translucent panel. Returns its index in its window's list (the
    // one it had when registered before); 0 when no ancestor of the control is skinned.
    int RegisterContainer(HWND control, bool painted = true, gfx::ColourRef colour = 0,
                          int alpha = 255, bool border = false);
    // Only for a registered container with a panel colour.
    bool SetContainerAlpha(HWND control, int alpha);
    RECT GetStripRect(HWND window);
    // A common control without a painter of its own (tab, toolbar, month calendar, rich edit,
    // ...) laid over the skin: its pixels of `keyColour` (default: the button face) show the
    // veiled skin. Returns the container index when the control has children (registered as a
    // container with that panel, not painted), else 0; 0 and nothing registered when no
    // ancestor of the control is skinned.
    int RegisterKeyedControl(HWND control, std::optional<gfx::ColourRef> keyColour = std::nullopt,
                             gfx::ColourRef panelColour = 0, int panelAlpha = 255);
    // Lays the window's docked windows out again after a size change.
    void RelayoutDocked(int index);
    // The text colour a see-through child paints with ("Kj_Ztys"); a combo box with an edit
    // keeps it on the edit.
    void SetControlTextColour(HWND control, gfx::ColourRef colour);
    gfx::ColourRef GetThemeColour() const { return settings_.themeColour; }
    bool SetCaptionGlyphs(HWND window, std::span<const std::uint8_t> minimize,
                          std::span<const std::uint8_t> maximize,
                          std::span<const std::uint8_t> restore,
                          std::span<const std::uint8_t> close);

    // ---- What the painters share ----
    const SkinSettings& Settings() const { return settings_; }
    HINSTANCE Module() const { return module_; }
    HICON WindowIcon() const { return windowIcon_.get(); }
    bool GdiplusRunning() const { return gdiplus_.Running(); }
    int WindowCount() const { return static_cast<int>(windows_.size()); }
    // 1-based; null outside the list.
    WindowRecord* Record(int index);
    // The WindowList index of a registered window, 0 when it is not registered.
    int FindWindowIndex(HWND window) const;
    // Whether `window` is one of the list or a control one of the families holds, as far as
    // the engine has met it (no round trip through the window system).
    bool Skins(HWND window) const { return FindWindowIndex(window) != 0 || painters_.Know(window); }
    // The index of the first registered window among the control's ancestors; 0 when none.
    int OwnerWindowIndex(HWND control) const;
    const PreparedPicture& SkinImage() const { return skinImage_; }
    const PainterSet& Painters() const { return painters_; }
    // Null when the engine has no painter of that family.
    template <typename Painter>
    Painter* PainterOf() const {
        return painters_.Get<Painter>();
    }
    // Every family takes its controls among the direct children of `parent` over, in the
    // take-over order (nothing while control skinning is off).
    void TakeOverChildren(int index, HWND parent);
    // Offers a message a skinned window or container got about one of its children
    // (WM_DRAWITEM, WM_NOTIFY) to every family; true when one answered it with `result`.
    bool OfferChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result);

    gfx::ColourRef AveragePictureColour(std::span<const std::uint8_t> bytes, int samples,
                                        int rightMargin = 0, int bottomMargin = 0) const;
    // The picture with its right (variant != 0) or left edge and its bottom faded into
    // `colour`, as PNG bytes; empty when the picture does not decode.
    std::vector<std::uint8_t> FadePicture(std::span<const std::uint8_t> bytes,
                                          std::optional<int> length, gfx::ColourRef colour,
                                          int variant = 1) const;
    // What the skinned window shows behind `rect` of `control` (outer coordinates), with the
    // panels of the containers it lies in.
    BackgroundSnapshot TakeBackgroundSnapshot(HWND control, const RECT& rect);
    // The skin behind the control's client area (returned in `area`, outer coordinates) under
    // the white veil.
    BackgroundSnapshot TakeVeiledClientSnapshot(HWND control, RECT& area);
    // The same as a bitmap of its own, for a brush; the caller owns it.
    UniqueBitmap ControlBackgroundBitmap(HWND control);
    // What TakeBackgroundSnapshot would copy for `rect` of `control` is made from: equal stamps,
    // equal pixels (see BackgroundStamp).
    BackgroundStamp StampOf(HWND control, const RECT& rect) const;
    // A new number for a version field: never the same twice in the process.
    std::uint64_t NextVersion() { return ++lastVersion_; }

    // The button the last caption hit test found (0 = none).
    int HotButton() const { return hotButton_; }

  private:
    friend class SkinnedWindowProcedure;

    static LRESULT CALLBACK WindowEntry(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept;

    PreparedPicture Prepare(gfx::Bitmap picture, PictureMode mode);
    // Replaces decoded stretched pictures by their screen-sized copies (on an idle timer).
    void FinishPreparation();
    void ScheduleFinishing();
    UINT_PTR FinishingTimerId() const { return reinterpret_cast<UINT_PTR>(this); }
    void ReskinVisibleWindows();
    void ReleaseWindow(int index);
    void Renumber();
    // Gives the window and its controls back their own procedures.
    void Unsubclass(WindowRecord& record);
    void ReleaseChildren(WindowRecord& record);
    void ShutDownGdiplus();
    void InvalidateSkinnedChildren(WindowRecord& record);
    // Every status-bar cell into the window image, during a composition.
    void PaintStatusCells(int index);

    const gfx::SparseOverlay& FrameOverlay(WindowRecord& record, int width, int height);
    const gfx::PixelBuffer& CaptionOverlay(int index, const std::string& text);
    // Lays `area` of the caption decoration over the window image.
    void BlendCaptionOverlay(int index, const PixelBox& area, const std::string& text);
    void PaintButtonFace(gfx::Graphics& graphics, WindowRecord& record, int button);
    void PaintPressedFace(gfx::Graphics& graphics, int index, int button);
    void DecodeGlyphs(WindowRecord& record, int button);
    // Whether `window` is one outside the engine marked as composing its own image.
    bool ComposesItsOwnImage(HWND window) const;

    HINSTANCE module_;
    gfx::GdiplusSession gdiplus_;
    UniqueIcon windowIcon_;
    SkinSettings settings_;
    PreparedPicture skinImage_;
    gfx::PixelBuffer iconPixels_;  // the caption icon, 17 x 17, premultiplied
    int nextGeneration_ = 1;
    std::vector<std::unique_ptr<WindowRecord>> windows_;
    int frameMargin_ = 3;
    int hotButton_ = 0;
    std::uint64_t lastVersion_ = 0;
    std::uint64_t settingsVersion_ = 0;
    PainterSet painters_;
    std::unique_ptr<SkinnedWindowProcedure> procedure_;
};

// Class "Button" with the group-box style bit.
bool IsGroupBox(HWND control);
// The width of `text` in that font (GDI+, world units), rounded down, plus 1.
int MeasureTextWidth(std::string_view text, std::string_view fontName, float size, int style);

}  // namespace yf
