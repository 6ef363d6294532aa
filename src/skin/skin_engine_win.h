// The skin engine: one instance per process replaces the system look of registered top-level
// windows with a picture background under a drawn caption bar (icon, haloed title, fading
// caption buttons) and a rounded outline, and keeps one record per window. The application
// configures it (SetSkinPicture, SetControlOptions) and registers its window (ApplySkin);
// a later SetSkinPicture re-skins every registered window at once.
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
#include "gfx/graphics_win.h"
#include "skin/skin_settings.h"
#include "skin/window_record_win.h"

namespace yf {

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
    // Gives every still registered window back its own procedure, destroys the icon and shuts
    // GDI+ down.
    ~SkinEngine() override;
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // The instance the window procedures reach; null when none exists.
    static SkinEngine* Current();

    // The calls of the application.
    void SetSkinPicture(const SkinPictureArgs& args) override;
    void SetControlOptions(const ControlOptions& options) override;
    bool ApplySkin(const ApplySkinArgs& args) override;

    const SkinSettings& Settings() const { return settings_; }
    gfx::ColourRef GetThemeColour() const { return settings_.themeColour; }
    HICON WindowIcon() const { return windowIcon_.get(); }
    int WindowCount() const { return static_cast<int>(windows_.size()); }
    // 1-based; null outside the list.
    WindowRecord* Record(int index);
    // The WindowList index of a registered window, 0 when it is not registered.
    int FindWindowIndex(HWND window) const;
    const PreparedPicture& SkinImage() const { return skinImage_; }

    // Shared picture operations.
    gfx::ColourRef AveragePictureColour(std::span<const std::uint8_t> bytes, int samples,
                                        int rightMargin = 0, int bottomMargin = 0) const;
    // The picture with its right (variant != 0) or left edge and its bottom faded into
    // `colour`, as PNG bytes; empty when the picture does not decode.
    std::vector<std::uint8_t> FadePicture(std::span<const std::uint8_t> bytes,
                                          std::optional<int> length, gfx::ColourRef colour,
                                          int variant = 1) const;

    // What the skinned window shows behind `rect` of `control` (outer coordinates), in a memory
    // DC to release with ReleaseBackgroundSnapshot.
    HDC TakeBackgroundSnapshot(HWND control, const RECT& rect);
    void ReleaseBackgroundSnapshot(HDC snapshot);
    // Snapshots taken and not released yet; 0 whenever no paint is under way.
    std::size_t LiveSnapshotCount() const { return snapshots_.size(); }
    // The skin behind the control's client area (returned in `area`, outer coordinates) under
    // the white veil, as a snapshot to release with ReleaseBackgroundSnapshot.
    HDC TakeVeiledClientSnapshot(HWND control, RECT& area);
    // The skin behind the control's client area under the white veil; the caller owns it.
    UniqueBitmap ControlBackgroundBitmap(HWND control);

    // Window image composition.
    void RenderWindow(int index, HDC target = nullptr, bool showNow = true);
    void ShowCachedImage(int index, HDC dc);
    void RestoreTopBand(int index, const RECT& rect);
    void RestoreStatusBand(int index, const RECT& rect);
    bool SetWindowPicture(HWND window, std::span<const std::uint8_t> bytes,
                          std::optional<int> mode = std::nullopt);

    // Caption buttons. `onImage`: draw with the caller's graphics into the window image only.
    void PaintCaptionButton(int index, int button, gfx::Graphics* onImage = nullptr,
                            int pressed = 0, int opacity = 0);
    void LayoutCaptionButtons(int index);
    int CaptionHitTest(int index, int x, int y);
    int MaximizeButtonIndex(int index);
    RECT GetStripRect(HWND window);
    bool AddCaptionButton(HWND window, std::span<const std::uint8_t> picture,
                          std::string_view tooltip, std::function<void()> callback);
    bool SetCaptionGlyphs(HWND window, std::span<const std::uint8_t> minimize,
                          std::span<const std::uint8_t> maximize,
                          std::span<const std::uint8_t> restore,
                          std::span<const std::uint8_t> close);

    // Caption title.
    void PaintTitle(int index, gfx::Graphics* onImage = nullptr,
                    std::optional<std::string> text = std::nullopt);
    bool SetTitleStyle(HWND window, std::optional<std::string> font, std::optional<int> size,
                       std::optional<gfx::ColourRef> colour,
                       std::optional<gfx::ColourRef> haloColour, std::optional<int> style);

    // Moving, sizing, callbacks.
    void BeginMoveOrResize(int index, LPARAM position, const RECT& client);
    void SetBorderCursor(int index, LPARAM position, const RECT& client);
    bool SetHelpCallback(HWND window, std::function<void()> callback);
    bool SetMenuCallback(HWND window, std::function<void()> callback);

    void CaptionClick(int index, int button);
    LRESULT SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Containers: a child window (a group box, typically) whose own children are skinned too,
    // painted over the skin under an optional translucent panel. Returns the container's index
    // in its window's list (the one it had when registered before); 0 when no ancestor of the
    // control is a skinned window.
    int RegisterContainer(HWND control, int painted = 1, gfx::ColourRef colour = 0, int alpha = 255,
                          int border = 0);
    // Only for a registered container with a panel colour.
    bool SetContainerAlpha(HWND control, int alpha);
    // The text colour a see-through child paints with ("Kj_Ztys"); a combo box with an edit
    // keeps it on the edit.
    void SetControlTextColour(HWND control, gfx::ColourRef colour);
    // Lays the window's docked windows out again after a size change.
    void RelayoutDocked(int index);
    // The whole container into `dc` (or its own DC when none is given).
    void PaintContainer(int index, int container, HDC dc = nullptr);
    // The part `area` (client coordinates) of the container, through its own DC; the
    // see-through children there are redrawn over it afterwards.
    void RepaintContainer(int index, int container, const RECT& area);
    LRESULT ContainerProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    // Up-down controls among the direct children of `parent` (the window or a container).
    void InstallSpinSkins(int index, HWND parent);
    // 0: the up (left) half, 1: the down (right) half.
    int SpinHitPart(int index, int spin, LPARAM position);
    // An omitted state is taken from the control's record.
    void PaintSpin(int index, int spin, std::optional<bool> hover = std::nullopt,
                   std::optional<bool> pressed = std::nullopt,
                   std::optional<LPARAM> position = std::nullopt);
    LRESULT SpinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    // Edit and combo boxes among the direct children of `parent`.
    void InstallEditsAndCombos(int index, HWND parent);
    // Nothing for an edit the engine has not taken over.
    void PaintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt,
                        std::optional<bool> hover = std::nullopt);
    // The skin behind the edit's client area, into `dc` (its client DC, or its window DC).
    void PaintEditBackground(HWND edit, HDC dc, bool toClientDc);
    void PaintCombo(int index, int combo, std::optional<bool> hover = std::nullopt,
                    std::optional<bool> focused = std::nullopt);
    LRESULT EditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ComboProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    // The button the last caption hit test found (0 = none).
    int HotButton() const { return hotButton_; }

  private:
    struct Snapshot {
        HDC dc;
        HBITMAP bitmap;
        HGDIOBJ previous;
    };

    static LRESULT CALLBACK WindowEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    PreparedPicture Prepare(gfx::Bitmap picture, int mode);
    // Replaces decoded stretched pictures by their screen-sized copies (on an idle timer).
    void FinishPreparation();
    void ScheduleFinishing();
    UINT_PTR FinishingTimerId() const { return reinterpret_cast<UINT_PTR>(this); }
    void ReskinVisibleWindows();
    void ReleaseWindow(int index);
    void Renumber();
    void Unsubclass(WindowRecord& record);
    void ShutDownGdiplus();

    void PaintBackground(int index, gfx::Graphics* gloss);
    void PaintOutline(gfx::Graphics& graphics, int width, int height);
    const gfx::SparseOverlay& FrameOverlay(WindowRecord& record, int width, int height);
    const gfx::PixelBuffer& CaptionOverlay(int index, const std::string& text);
    // Lays `area` of the caption decoration over the window image.
    void BlendCaptionOverlay(int index, const PixelBox& area, const std::string& text);
    void PaintButtonHighlight(gfx::Graphics& graphics, int index, int button, int opacity);
    void PaintButtonFace(gfx::Graphics& graphics, WindowRecord& record, int button);
    void PaintStripSeparators(int index, int button, gfx::Graphics& graphics);
    void InvalidateSkinnedChildren(WindowRecord& record);
    void DecodeGlyphs(WindowRecord& record, int button);
    void ApplyHoverActions(int index, const HoverActions& actions);
    LRESULT SeeThroughColours(UINT message, HDC dc, HWND control, bool& handled);
    void InvalidateSeeThroughChild(UINT message, WPARAM wParam, LPARAM lParam);
    // The pattern brush of the skin behind `control`, kept in "Kj_dxjb"/"Kj_wtjb".
    HBRUSH MakeBackgroundBrush(HWND control);
    // Lays the panels of the registered containers that `control` lies in (itself included)
    // over a snapshot of `rect` (outer coordinates of `control`).
    void LayContainerPanels(HDC snapshot, HWND control, const RECT& rect);
    // A snapshot of the container's client area with its panel, frame and caption.
    HDC ComposeContainer(int index, int container);
    void PaintGroupBox(HDC snapshot, HWND control, const ControlRecord& container, int width,
                       int height);
    // Gives every child control of the window back its own procedure.
    void ReleaseChildren(WindowRecord& record);

    HINSTANCE module_;
    ULONG_PTR gdiplusToken_ = 0;
    UniqueIcon windowIcon_;
    SkinSettings settings_;
    PreparedPicture skinImage_;
    gfx::PixelBuffer iconPixels_;  // the caption icon, 17 x 17, premultiplied
    int nextGeneration_ = 1;
    std::vector<std::unique_ptr<WindowRecord>> windows_;
    int frameMargin_ = 3;
    int hotButton_ = 0;
    std::vector<Snapshot> snapshots_;
};

// The window's DC (or `dc`) with every visible, non-transparent direct child excluded from its
// clipping, so copies of the window image do not paint over the children.
HDC GetClippedWindowDC(HWND window, HDC dc = nullptr);

// Class "Button" with the group-box style bit.
bool IsGroupBox(HWND control);
// The width of `text` in that font (GDI+, world units), rounded down, plus 1.
int MeasureTextWidth(std::string_view text, std::string_view fontName, float size, int style);

}  // namespace yf
