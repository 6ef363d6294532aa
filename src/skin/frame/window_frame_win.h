// The frame of one skinned window, everything the engine draws of the window itself: the
// composition of its image (picture, gloss, outline, caption decoration, status cells), the
// caption buttons with their fades, press and click, the title, moving and resizing from the
// edge zones, and the status bar. SkinEngine's operations on a window delegate to it; the
// window procedure decides when.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/graphics_win.h"
#include "gfx/image_win.h"
#include "gfx/pixel_buffer.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/engine/picture_mode.h"
#include "skin/engine/window_record_win.h"
#include "skin/frame/status_bar_layout.h"

namespace yf {

class EngineCore;

class WindowFrame {
  public:
    WindowFrame(EngineCore& core, WindowRecord& record) : core_(core), record_(record) {}
    WindowFrame(const WindowFrame&) = delete;
    WindowFrame& operator=(const WindowFrame&) = delete;

    // At registration: the caption buttons with their built-in glyphs and tooltips, laid out.
    void SetUpCaption();
    // Frees the GDI+ objects the frame keeps (the decoded glyphs): GDI+ is about to end.
    void ReleaseGraphics();

    // ---- Composition (render_window_win.cpp) ----
    // Composes the whole image; copies it to `target` (the window's own DC when null) when
    // `showNow`, and lets the children's kept faces be made over it.
    void Render(HDC target, bool showNow);
    void ShowCachedImage(HDC dc);
    void PaintBackground(gfx::Graphics* gloss);
    static void PaintOutline(gfx::Graphics& graphics, int width, int height);
    void RestoreTopBand(const RECT& rect);
    void RestoreStatusBand(const RECT& rect);
    // False only for empty bytes; bytes that do not decode leave the window its fill colour.
    bool SetPicture(std::span<const std::uint8_t> bytes, std::optional<PictureMode> mode);

    // ---- Caption buttons (caption_buttons_win.cpp) ----
    void PaintStripSeparators(int button, gfx::Graphics& graphics);
    // `onImage`: draw with the caller's graphics into the window image only.
    void PaintCaptionButton(int button, gfx::Graphics* onImage = nullptr, bool pressed = false,
                            int opacity = 0);
    void PaintButtonHighlight(gfx::Graphics& graphics, int button, int opacity);
    void LayoutCaptionButtons();
    int CaptionHitTest(int x, int y) const;
    int MaximizeButtonIndex() const;
    RECT StripRect() const;
    bool AddCaptionButton(std::span<const std::uint8_t> picture, std::string_view tooltip,
                          std::function<void()> callback);
    bool SetCaptionGlyphs(std::span<const std::uint8_t> minimize,
                          std::span<const std::uint8_t> maximize,
                          std::span<const std::uint8_t> restore,
                          std::span<const std::uint8_t> close);
    // Carries out a click on caption button `button` (1-based).
    void CaptionClick(int button);

    // ---- Title (caption_title_win.cpp) ----
    void PaintTitle(gfx::Graphics* onImage = nullptr,
                    std::optional<std::string> text = std::nullopt);
    void SetTitleStyle(std::optional<std::string> font, std::optional<int> size,
                       std::optional<gfx::ColourRef> colour,
                       std::optional<gfx::ColourRef> haloColour, std::optional<int> style);

    // ---- Moving and sizing (move_resize_win.cpp) ----
    void BeginMoveOrResize(LPARAM position, const RECT& client);
    void SetBorderCursor(LPARAM position, const RECT& client);
    void RelayoutDocked();
    void SetHelpCallback(std::function<void()> callback);
    void SetMenuCallback(std::function<void()> callback);

    // ---- Status bar (status_bar_win.cpp) ----
    // `height` 0 is none; cells of the declared widths (-1: the rest of the bar) when widths
    // are given.
    void SetUpStatusBar(int height, std::span<const int> widths);
    void LayoutStatusBar();
    // Cell 1 .. count; `onImage`: draw with the caller's graphics into the window image only.
    void PaintStatusCell(gfx::Graphics* onImage, int cell);
    // False for a cell beyond the last.
    bool SetStatusCell(int cell, std::string_view text,
                       std::optional<std::span<const std::uint8_t>> picture,
                       std::optional<gfx::ColourRef> colour);
    void SetStatusTextStyle(const BarTextStyleArgs& style);

    // The text the caption decoration was last drawn with.
    const std::string& DrawnTitle() const { return captionKey_.text; }

  private:
    struct ButtonGlyphs {
        gfx::Bitmap image;
        gfx::Bitmap image2;
    };
    // The picture scaled to the client area, kept for renders at the same size.
    struct ScaledPicture {
        int generation = -1;
        gfx::PixelBuffer pixels;
    };
    // Everything the drawn caption decoration (title, button glyphs, sheen and separators)
    // depends on; the decoration is drawn again only when one of these changes.
    struct CaptionOverlayKey {
        int width = 0;
        int height = 0;
        std::string text;
        TitleStyle title;
        bool showTitle = true;
        bool maximized = false;
        int buttonsVersion = 0;
        bool operator==(const CaptionOverlayKey&) const = default;
    };

    void SetRoundedRegion(int width, int height);
    const gfx::SparseOverlay& FrameOverlay(int width, int height);
    const gfx::PixelBuffer& CaptionOverlay(const std::string& text);
    // Lays `area` of the caption decoration over the window image.
    void BlendCaptionOverlay(const PixelBox& area, const std::string& text);
    void PaintButtonFace(gfx::Graphics& graphics, int button);
    void PaintPressedFace(gfx::Graphics& graphics, int button);
    void DecodeGlyphs(int button);
    // Every status-bar cell into the window image, during a composition.
    void PaintStatusCells();
    const gfx::Bitmap& GlyphOf(int button) const;

    EngineCore& core_;
    WindowRecord& record_;

    ScaledPicture scaled_;
    std::vector<ButtonGlyphs> glyphs_;  // decoded pictures, one per strip button
    int buttonsVersion_ = 0;            // raised whenever a button or its pictures change
    DibSurface topBand_;                // the caption band before title and buttons were drawn
    DibSurface statusBand_;             // the status bar before its cells were drawn
    SIZE regionSize_{};                 // size the window region was last made for
    // The outline and the key-coloured corners for the current size, drawn once per size.
    gfx::SparseOverlay frame_;
    bool frameWithOutline_ = false;
    // The caption decoration, transparent where the picture shows through.
    CaptionOverlayKey captionKey_;
    gfx::PixelBuffer captionOverlay_;
    bool captionOverlayReady_ = false;
    // The one made before, kept for a window that goes back and forth between two sizes.
    CaptionOverlayKey previousCaptionKey_;
    gfx::PixelBuffer previousCaptionOverlay_;
};

}  // namespace yf
