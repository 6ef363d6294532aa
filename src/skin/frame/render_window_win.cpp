// Composing a skinned window: the picture laid out over the fill colour inside a rounded clip,
// the gloss, the outline, the title and the caption buttons, all into one off-screen image that
// every later paint copies from.
#include <algorithm>

#include "core/wide_text_win.h"
#include "gfx/pixels_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/engine/picture_average.h"
#include "skin/engine/picture_fade_win.h"
#include "skin/frame/clipped_window_dc_win.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/picture_layout.h"
#include "skin/frame/window_frame_win.h"
#include "skin/shapes.h"

namespace yf {
namespace {

constexpr int kGlossTopAlpha = 150;
// The frame decoration is drawn on a tile this big; its outer kFrameReach pixels hold the
// corners, the rest of each edge repeats the tile's middle.
constexpr int kFrameTile = 40;
constexpr int kFrameReach = 16;

// Copies the part (x, y, w x h) of the window image into a fresh band image of that size.
void SaveBand(DibSurface& band, HDC windowImage, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0 || !band.Resize(width, height)) return;
    ::BitBlt(band.Dc(), 0, 0, width, height, windowImage, x, y, SRCCOPY);
}

}  // namespace

namespace {

// The picture stretched to width x height: the prepared pixels themselves when they have that
// size (a maximized window, typically), else a copy scaled once per size and kept.
template <typename Scaled>
const gfx::PixelBuffer& StretchedPicture(const PreparedPicture& picture, Scaled& scaled, int width,
                                         int height) {
    if (picture.pixels.width == width && picture.pixels.height == height) return picture.pixels;
    if (scaled.generation == picture.generation && scaled.pixels.width == width &&
        scaled.pixels.height == height) {
        return scaled.pixels;
    }
    if (!picture.pixels.empty()) {
        scaled.pixels = gfx::ScaleTo(gfx::SourceOf(gfx::ViewOf(picture.pixels)), width, height);
    } else {
        const gfx::LockedPixels locked(*picture.decoded);
        scaled.pixels = locked ? gfx::ScaleTo(locked.Source(), width, height) : gfx::PixelBuffer{};
    }
    scaled.generation = picture.generation;
    return scaled.pixels;
}

// The white gloss fading down the caption band, inside the rounded clip.
void PaintGloss(gfx::Graphics& gloss, int width, int height, int captionHeight) {
    gfx::GraphicsPath clip;
    gfx::LinearGradientBrush brush;
    const auto band = static_cast<float>(captionHeight);
    if (clip.Create() &&
        clip.AddFigure(RoundRectFigure(0, 0, static_cast<float>(width), static_cast<float>(height),
                                       kBackgroundCorner)) &&
        brush.Create({0, 0}, {0, band}, gfx::MakeArgb(gfx::kWhiteRef, kGlossTopAlpha),
                     gfx::MakeArgb(gfx::kWhiteRef, 0))) {
        gloss.SetClipPath(clip);
        gloss.FillRectangle(brush, {0, 0, static_cast<float>(width), band});
        gloss.ResetClip();
        gloss.Flush();
    }
}

}  // namespace

// The window keeps a rounded region; it is only remade when the size changes.
void WindowFrame::SetRoundedRegion(int width, int height) {
    if (regionSize_.cx == width && regionSize_.cy == height) return;
    regionSize_ = {width, height};
    HRGN region = ::CreateRoundRectRgn(0, 0, width + 1, height + 1, kRegionCorner, kRegionCorner);
    // The system owns the region from here on.
    if (region && !::SetWindowRgn(record_.hwnd, region, TRUE)) ::DeleteObject(region);
}

void WindowFrame::PaintBackground(gfx::Graphics* gloss) {
    WindowRecord& record = record_;
    DibSurface& image = record.windowImage;
    const int width = image.Width();
    const int height = image.Height();
    const bool own = !record.ownPicture.empty();
    const PreparedPicture& picture = own ? record.ownPrepared : core_.SkinImage();
    const PictureMode mode = own ? record.ownPictureMode : core_.Settings().skinMode;

    // Fill and picture go straight into the pixels.
    const gfx::PixelView pixels = image.Pixels();
    const gfx::ColourRef fill = own ? record.ownPictureColour : core_.Settings().themeColour;
    if (mode == PictureMode::Stretched && !picture.empty()) {
        const gfx::PixelBuffer& stretched = StretchedPicture(picture, scaled_, width, height);
        // An opaque picture over the whole image leaves nothing of the fill to see.
        if (stretched.empty() || !stretched.opaque) gfx::Fill(pixels, gfx::MakeArgb(fill));
        gfx::Blit(pixels, gfx::ViewOf(stretched), 0, 0, false);
    } else {
        gfx::Fill(pixels, gfx::MakeArgb(fill));
        const gfx::ConstPixelView source = gfx::ViewOf(picture.pixels);
        for (const PicturePlacement& place :
             LayoutPicture(mode, width, height, source.width, source.height)) {
            gfx::Blit(pixels, source, place.x, place.y, place.mirrored);
        }
    }
    if (record.backgroundOption != 0 && gloss) {
        PaintGloss(*gloss, width, height, record.captionHeight);
    }
    // The key colour outside the rounded clip, and the outline with a caption bar.
    gfx::Apply(image.Pixels(), FrameOverlay(width, height));
}

void WindowFrame::PaintOutline(gfx::Graphics& graphics, int width, int height) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeNone);
    const struct {
        gfx::Figure figure;
        gfx::ColourRef colour;
    } lines[] = {
        {RoundRectFigure(0, 0, w - 1, h - 1, 7), gfx::kBlackRef},
        {RoundRectFigure(1, 1, w - 3, h - 3, 6), gfx::kWhiteRef},
    };
    for (const auto& line : lines) {
        gfx::GraphicsPath path;
        gfx::Pen pen;
        if (path.Create() && path.AddFigure(line.figure) &&
            pen.Create(gfx::MakeArgb(line.colour, 180), 1)) {
            graphics.DrawPath(pen, path);
        }
    }
}

const gfx::SparseOverlay& WindowFrame::FrameOverlay(int width, int height) {
    if (frame_.width == width && frame_.height == height &&
        frameWithOutline_ == record_.captionBar) {
        return frame_;
    }
    // Corners and outline only depend on the distance to the nearest edges: they are drawn once
    // on a small tile and stretched, so a large window costs no more than a small one.
    const bool small = width < kFrameTile || height < kFrameTile;
    const int tileWidth = small ? width : kFrameTile;
    const int tileHeight = small ? height : kFrameTile;
    gfx::Bitmap tile;
    gfx::Graphics graphics;
    gfx::PixelBuffer pixels;
    if (tile.Create(tileWidth, tileHeight, PixelFormat32bppPARGB) && graphics.FromImage(tile)) {
        graphics.Clear(0);
        gfx::GraphicsPath clip;
        clip.Create();
        clip.AddFigure(RoundRectFigure(0, 0, static_cast<float>(tileWidth),
                                       static_cast<float>(tileHeight), kBackgroundCorner));
        graphics.SetClipPath(clip, gfx::gp::CombineModeExclude);
        graphics.Clear(gfx::MakeArgb(gfx::kMagenta));
        graphics.ResetClip();
        if (record_.captionBar) PaintOutline(graphics, tileWidth, tileHeight);
        graphics.Delete();
        pixels = gfx::ReadPixels(tile);
    }
    const int reach = small ? std::max(width, height) : kFrameReach;
    frame_ = gfx::NineSlice(pixels, reach, width, height);
    frameWithOutline_ = record_.captionBar;
    return frame_;
}

void WindowFrame::Render(HDC target, bool showNow) {
    WindowRecord* record = &record_;
    if (!core_.GdiplusRunning()) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0 || !record->windowImage.Resize(width, height)) {
        record->state.needsRender = false;
        return;
    }
    SetRoundedRegion(width, height);
    HDC imageDc = record->windowImage.Dc();
    if (record->backgroundOption != 0) {
        gfx::Graphics gloss;
        gloss.FromHdc(imageDc);
        PaintBackground(&gloss);
    } else {
        PaintBackground(nullptr);
    }
    if (record->captionBar) {
        SaveBand(topBand_, imageDc, 0, 0, width, std::min(record->captionHeight, height));
    }
    const RECT& bar = record->statusBar.rect;
    SaveBand(statusBand_, imageDc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
    if (record->captionBar) {
        // Title and buttons in their normal state, as one decoration.
        BlendCaptionOverlay({0, 0, width, record->captionHeight}, WindowText(record->hwnd));
    }
    if (record->statusBar.height > 0) PaintStatusCells();
    record->imageVersion = core_.NextVersion();
    record->state.needsRender = false;
    // Every face the children will show is made over the new image now, in one pass, and so
    // are the brushes handed to children that paint over the skin themselves.
    core_.PrepareFaces(*record);
    if (!showNow) return;
    if (ClippedWindowDc dc(record->hwnd, target); dc) {
        ::BitBlt(dc.get(), 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
    }
    if (!core_.Settings().firstSize) core_.RefreshChildrenAfterRender(*record);
}

void WindowFrame::ShowCachedImage(HDC dc) {
    if (!record_.windowImage) {
        // Nothing composed yet (a paint before the first render): compose now.
        Render(dc, true);
        return;
    }
    RECT window{};
    ::GetWindowRect(record_.hwnd, &window);
    if (ClippedWindowDc target(record_.hwnd, dc); target) {
        ::BitBlt(target.get(), 0, 0, window.right - window.left, window.bottom - window.top,
                 record_.windowImage.Dc(), 0, 0, SRCCOPY);
    }
}

void WindowFrame::RestoreTopBand(const RECT& rect) {
    if (!topBand_ || !record_.windowImage) return;
    ::BitBlt(record_.windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, topBand_.Dc(), rect.left, rect.top, SRCCOPY);
}

void WindowFrame::RestoreStatusBand(const RECT& rect) {
    if (!statusBand_ || !record_.windowImage) return;
    const RECT& bar = record_.statusBar.rect;
    ::BitBlt(record_.windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, statusBand_.Dc(), rect.left - bar.left, rect.top - bar.top,
             SRCCOPY);
}

bool WindowFrame::SetPicture(std::span<const std::uint8_t> bytes, std::optional<PictureMode> mode) {
    WindowRecord* record = &record_;
    if (bytes.empty()) return false;
    if (mode) record->ownPictureMode = *mode;
    gfx::Bitmap source;
    if (!source.FromBytes(bytes)) {
        // A picture that does not decode draws nothing: the window keeps the fill colour it
        // shows now.
        record->ownPictureColour =
            record->ownPicture.empty() ? core_.Settings().themeColour : record->ownPictureColour;
        record->ownPicture.assign(bytes.begin(), bytes.end());
        record->ownPrepared = core_.NoPicture();
    } else {
        record->ownPictureColour =
            yf::AveragePictureColour(gfx::ReadShrunk(source, 512, 512), kAverageSamples, 0, 0);
        const PicturePreparation preparation = PreparationFor(record->ownPictureMode);
        gfx::Bitmap faded;
        const int variant = preparation == PicturePreparation::FadeLeftAndBottom ? 0 : 1;
        if (preparation == PicturePreparation::AsGiven) {
            record->ownPicture.assign(bytes.begin(), bytes.end());
            record->ownPrepared = core_.Prepare(std::move(source), record->ownPictureMode);
        } else if (FadeIntoBitmap(source, std::nullopt, record->ownPictureColour, variant, faded)) {
            record->ownPicture = faded.SaveToBytes(gfx::kPngFormat);
            record->ownPrepared = core_.Prepare(std::move(faded), record->ownPictureMode);
        } else {
            record->ownPicture.assign(bytes.begin(), bytes.end());
            record->ownPrepared = core_.NoPicture();
        }
    }
    record->state.needsRender = true;
    ::InvalidateRect(record->hwnd, nullptr, FALSE);
    return true;
}

}  // namespace yf
