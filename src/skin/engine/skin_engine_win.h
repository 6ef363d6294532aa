// The skin engine: one instance per process replaces the system look of registered top-level
// windows with a picture background under a drawn caption bar (icon, haloed title, fading
// caption buttons) and a rounded outline, and hands the windows' child controls to the painters
// of their families. The application configures it (SetSkinPicture, SetControlOptions) and
// registers its window (ApplySkin); a later SetSkinPicture re-skins every window at once.
//
// This class is the engine's operation table and nothing else: each operation hands the call
// to the part that does it (the window's WindowFrame, a family's role, the engine's insides).
// docs/skin-engine.md tells how a message reaches a painter and how to add a family.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gfx/argb.h"
#include "gfx/graphics_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/skin_settings.h"

namespace yf {

class SkinEngine : public SkinSetup {
  public:
    // Starts GDI+ and loads the caption icon from `module` (32 x 32). One instance at a time.
    explicit SkinEngine(HINSTANCE module = nullptr, IconResource icon = {});
    // Destroy: gives every still registered window and control back its own procedure,
    // destroys the icon and shuts GDI+ down.
    ~SkinEngine() override;
    // Copy: there is one engine per process, so none is made.
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

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
    gfx::ColourRef GetThemeColour() const;
    bool SetCaptionGlyphs(HWND window, std::span<const std::uint8_t> minimize,
                          std::span<const std::uint8_t> maximize,
                          std::span<const std::uint8_t> restore,
                          std::span<const std::uint8_t> close);

  private:
    std::unique_ptr<EngineCore> core_;
};

}  // namespace yf
