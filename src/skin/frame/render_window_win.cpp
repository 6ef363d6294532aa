// Composing a skinned window: the picture laid out over the fill colour inside a rounded clip,
// the gloss, the outline, the title and the caption buttons, all into one off-screen image that
// every later paint copies from.
#include <algorithm>

#include "core/wide_text_win.h"
#include "gfx/pixels_win.h"
#include "skin/frame/clipped_window_dc_win.h"
#include "skin/frame/picture_layout.h"
#include "skin/backdrop/handed_background_win.h"
#include "skin/engine/picture_average.h"
#include "skin/engine/picture_fade_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/shapes.h"
#include "skin/engine/skin_engine_win.h"
#include "skin/engine/window_properties_win.h"

namespace yf {
namespace {

constexpr int kBackgroundCorner = 4;
constexpr int kRegionCorner = 5;
constexpr int kGlossTopAlpha = 150;
// The frame decoration is drawn on a tile this big; its outer kFrameReach pixels hold the
// corners, the rest of each edge repeats the tile's middle.
constexpr int kFrameTile = 40;
constexpr int kFrameReach = 16;

// The window keeps a rounded region; it is only remade when the size changes.
void SetRoundedRegion(WindowRecord& record, int width, int height) {
    if (record.regionSize.cx == width && record.regionSize.cy == height) return;
    record.regionSize = {width, height};
    HRGN region = ::CreateRoundRectRgn(0, 0, width + 1, height + 1, kRegionCorner, kRegionCorner);
    // The system owns the region from here on.
    if (region && !::SetWindowRgn(record.hwnd, region, TRUE)) ::DeleteObject(region);
}

// Copies the part (x, y, w x h) of the window image into a fresh band image of that size.
void SaveBand(DibSurface& band, HDC windowImage, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0 || !band.Resize(width, height)) return;
    ::BitBlt(band.Dc(), 0, 0, width, height, windowImage, x, y, SRCCOPY);
}

}  // namespace

namespace {

// The picture stretched to width x height: the prepared pixels themselves when they have that
// size (a maximized window, typically), else a copy scaled once per size and kept.
const gfx::PixelBuffer& StretchedPicture(const PreparedPicture& picture, ScaledPicture& scaled,
                                         int width, int height) {
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

void SkinEngine::PaintBackground(int index, gfx::Graphics* gloss) {
    WindowRecord& record = *Record(index);
    DibSurface& image = record.windowImage;
    const int width = image.Width();
    const int height = image.Height();
    const bool own = !record.ownPicture.empty();
    const PreparedPicture& picture = own ? record.ownPrepared : skinImage_;
    const PictureMode mode = own ? record.ownPictureMode : settings_.skinMode;

    // Fill and picture go straight into the pixels.
    const gfx::PixelView pixels = image.Pixels();
    const gfx::ColourRef fill = own ? record.ownPictureColour : settings_.themeColour;
    if (mode == PictureMode::Stretched && !picture.empty()) {
        const gfx::PixelBuffer& stretched = StretchedPicture(picture, record.scaled, width, height);
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
    gfx::Apply(image.Pixels(), FrameOverlay(record, width, height));
}

void SkinEngine::PaintOutline(gfx::Graphics& graphics, int width, int height) {
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

const gfx::SparseOverlay& SkinEngine::FrameOverlay(WindowRecord& record, int width, int height) {
    if (record.frame.width == width && record.frame.height == height &&
        record.frameWithOutline == record.captionBar) {
        return record.frame;
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
        if (record.captionBar) PaintOutline(graphics, tileWidth, tileHeight);
        graphics.Delete();
        pixels = gfx::ReadPixels(tile);
    }
    const int reach = small ? std::max(width, height) : kFrameReach;
    record.frame = gfx::NineSlice(pixels, reach, width, height);
    record.frameWithOutline = record.captionBar;
    return record.frame;
}

void SkinEngine::RenderWindow(int index, HDC target, bool showNow) {
    WindowRecord* record = Record(index);
    if (!record || !gdiplus_.Running()) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0 || !record->windowImage.Resize(width, height)) {
        record->state.needsRender = false;
        return;
    }
    SetRoundedRegion(*record, width, height);
    HDC imageDc = record->windowImage.Dc();
    if (record->backgroundOption != 0) {
        gfx::Graphics gloss;
        gloss.FromHdc(imageDc);
        PaintBackground(index, &gloss);
    } else {
        PaintBackground(index, nullptr);
    }
    if (record->captionBar) {
        SaveBand(record->topBand, imageDc, 0, 0, width, std::min(record->captionHeight, height));
    }
    const RECT& bar = record->statusBar.rect;
    SaveBand(record->statusBand, imageDc, bar.left, bar.top, bar.right - bar.left,
             bar.bottom - bar.top);
    if (record->captionBar) {
        // Title and buttons in their normal state, as one decoration.
        BlendCaptionOverlay(index, {0, 0, width, record->captionHeight}, WindowText(record->hwnd));
    }
    if (record->statusBar.height > 0) PaintStatusCells(index);
    record->imageVersion = NextVersion();
    record->state.needsRender = false;
    // Every face the children will show is made over the new image now, in one pass, and so
    // are the brushes handed to children that paint over the skin themselves.
    for (int family = 0; family < kFamilyCount; ++family) {
        if (ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family))) {
            painter->PrepareFaces(index);
        }
    }
    for (HWND child : HandedBackground::HoldersOver(record->hwnd)) {
        if (::IsWindowVisible(child)) PrepareSkinBrush(*this, child);
    }
    if (!showNow) return;
    if (ClippedWindowDc dc(record->hwnd, target); dc) {
        ::BitBlt(dc.get(), 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
    }
    if (!settings_.firstSize) InvalidateSkinnedChildren(*record);
}

void SkinEngine::InvalidateSkinnedChildren(WindowRecord& record) {
    // Each family's controls standing on the window itself, as the family asks; those inside
    // containers are refreshed by their container's paint.
    for (int family = 0; family < kFamilyCount; ++family) {
        ChildListBase* list = record.ChildrenIf(static_cast<ControlFamily>(family));
        const ChildPainter* painter = painters_.Find(static_cast<ControlFamily>(family));
        if (!list || !painter) continue;
        const RenderRefresh refresh = painter->AfterRender();
        if (refresh == RenderRefresh::None) continue;
        for (HWND child : list->Handles()) {
            if (::GetParent(child) != record.hwnd) continue;
            ::InvalidateRect(child, nullptr, refresh != RenderRefresh::Repaint);
            if (refresh != RenderRefresh::EraseWithChildren) continue;
            for (HWND inner = ::GetWindow(child, GW_CHILD); inner;
                 inner = ::GetWindow(inner, GW_HWNDNEXT)) {
                if (::IsWindowVisible(inner)) ::InvalidateRect(inner, nullptr, TRUE);
            }
        }
    }
}

void SkinEngine::ShowCachedImage(int index, HDC dc) {
    WindowRecord* record = Record(index);
    if (!record) return;
    if (!record->windowImage) {
        // Nothing composed yet (a paint before the first render): compose now.
        RenderWindow(index, dc, true);
        return;
    }
    RECT window{};
    ::GetWindowRect(record->hwnd, &window);
    if (ClippedWindowDc target(record->hwnd, dc); target) {
        ::BitBlt(target.get(), 0, 0, window.right - window.left, window.bottom - window.top,
                 record->windowImage.Dc(), 0, 0, SRCCOPY);
    }
}

void SkinEngine::RestoreTopBand(int index, const RECT& rect) {
    WindowRecord* record = Record(index);
    if (!record || !record->topBand || !record->windowImage) return;
    ::BitBlt(record->windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, record->topBand.Dc(), rect.left, rect.top, SRCCOPY);
}

void SkinEngine::RestoreStatusBand(int index, const RECT& rect) {
    WindowRecord* record = Record(index);
    if (!record || !record->statusBand || !record->windowImage) return;
    const RECT& bar = record->statusBar.rect;
    ::BitBlt(record->windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, record->statusBand.Dc(), rect.left - bar.left,
             rect.top - bar.top, SRCCOPY);
}

bool SkinEngine::SetWindowPicture(HWND window, std::span<const std::uint8_t> bytes,
                                  std::optional<PictureMode> mode) {
    WindowRecord* record = Record(FindWindowIndex(window));
    if (!record || bytes.empty()) return false;
    if (mode) record->ownPictureMode = *mode;
    gfx::Bitmap source;
    if (!source.FromBytes(bytes)) {
        // A picture that does not decode draws nothing: the window keeps the fill colour it
        // shows now.
        record->ownPictureColour =
            record->ownPicture.empty() ? settings_.themeColour : record->ownPictureColour;
        record->ownPicture.assign(bytes.begin(), bytes.end());
        record->ownPrepared = PreparedPicture{{}, nullptr, nextGeneration_++};
    } else {
        record->ownPictureColour =
            yf::AveragePictureColour(gfx::ReadShrunk(source, 512, 512), kAverageSamples, 0, 0);
        const PicturePreparation preparation = PreparationFor(record->ownPictureMode);
        gfx::Bitmap faded;
        const int variant = preparation == PicturePreparation::FadeLeftAndBottom ? 0 : 1;
        if (preparation == PicturePreparation::AsGiven) {
            record->ownPicture.assign(bytes.begin(), bytes.end());
            record->ownPrepared = Prepare(std::move(source), record->ownPictureMode);
        } else if (FadeIntoBitmap(source, std::nullopt, record->ownPictureColour, variant, faded)) {
            record->ownPicture = faded.SaveToBytes(gfx::kPngFormat);
            record->ownPrepared = Prepare(std::move(faded), record->ownPictureMode);
        } else {
            record->ownPicture.assign(bytes.begin(), bytes.end());
            record->ownPrepared = PreparedPicture{{}, nullptr, nextGeneration_++};
        }
    }
    record->state.needsRender = true;
    ::InvalidateRect(window, nullptr, FALSE);
    return true;
}

}  // namespace yf
