// Composing a skinned window: the picture laid out over the fill colour inside a rounded clip,
// the gloss, the outline, the title and the caption buttons, all into one off-screen image that
// every later paint copies from.
#include <algorithm>

#include "gfx/pixels_win.h"
#include "skin/frame/picture_layout.h"
#include "skin/picture_average.h"
#include "skin/picture_fade_win.h"
#include "skin/shapes.h"
#include "skin/skin_engine_win.h"
#include "skin/window_properties_win.h"

namespace yf {
namespace {

constexpr int kBackgroundCorner = 4;
constexpr int kRegionCorner = 5;
constexpr int kGlossTopAlpha = 150;

// The window keeps a rounded region; it is only remade when the size changes.
void SetRoundedRegion(WindowRecord& record, int width, int height) {
    if (record.regionSize.cx == width && record.regionSize.cy == height) return;
    record.regionSize = {width, height};
    HRGN region = ::CreateRoundRectRgn(0, 0, width + 1, height + 1, kRegionCorner, kRegionCorner);
    // The system owns the region from here on.
    if (region && !::SetWindowRgn(record.hwnd, region, TRUE)) ::DeleteObject(region);
}

// Copies `source` (w x h) into a fresh band image of that size taken at (x, y) of the window.
void SaveBand(CachedImage& band, HDC windowImage, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0 || !band.Resize(width, height)) return;
    ::BitBlt(band.Dc(), 0, 0, width, height, windowImage, x, y, SRCCOPY);
}

}  // namespace

HDC GetClippedWindowDC(HWND window, HDC dc) {
    if (!dc) dc = ::GetDC(window);
    if (!dc) return nullptr;
    SkinEngine* engine = SkinEngine::Current();
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        if (::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
        if (engine && engine->FindWindowIndex(child) != 0) continue;
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        ::ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    return dc;
}

void SkinEngine::PaintBackground(int index, gfx::Graphics& graphics) {
    WindowRecord& record = *Record(index);
    CachedImage& image = record.windowImage;
    const int width = image.Width();
    const int height = image.Height();
    const bool own = !record.ownPicture.empty();
    const PreparedPicture& picture = own ? record.ownPrepared : skinImage_;
    const int mode = own ? record.ownPictureMode : settings_.skinMode;

    // Fill and picture go straight into the pixels; the rounded clip only decides which pixels
    // count as outside, and those are cleared to the key colour afterwards.
    const gfx::PixelView pixels = image.Pixels();
    gfx::Fill(pixels, gfx::MakeArgb(own ? record.ownPictureColour : settings_.themeColour));
    if (!picture.empty()) {
        const gfx::ConstPixelView source = gfx::ViewOf(picture.pixels);
        for (const PicturePlacement& place :
             LayoutPicture(mode, width, height, picture.pixels.width, picture.pixels.height)) {
            if (place.width == source.width && place.height == source.height) {
                gfx::Blit(pixels, source, place.x, place.y, place.mirrored);
                continue;
            }
            if (record.scaled.generation != picture.generation ||
                record.scaled.pixels.width != place.width ||
                record.scaled.pixels.height != place.height) {
                record.scaled.pixels = gfx::Resample(source, place.width, place.height);
                record.scaled.generation = picture.generation;
            }
            gfx::Blit(pixels, gfx::ViewOf(record.scaled.pixels), place.x, place.y, place.mirrored);
        }
    }

    gfx::GraphicsPath clip;
    clip.Create();
    clip.AddFigure(RoundRectFigure(0, 0, static_cast<float>(width), static_cast<float>(height),
                                   kBackgroundCorner));
    if (record.backgroundOption != 0) {
        graphics.SetClipPath(clip);
        gfx::LinearGradientBrush gloss;
        const auto band = static_cast<float>(record.captionHeight);
        if (gloss.Create({0, 0}, {0, band}, gfx::MakeArgb(gfx::kWhiteRef, kGlossTopAlpha),
                         gfx::MakeArgb(gfx::kWhiteRef, 0))) {
            graphics.FillRectangle(gloss, {0, 0, static_cast<float>(width), band});
        }
    }
    graphics.SetClipPath(clip, gfx::gp::CombineModeExclude);
    graphics.Clear(gfx::MakeArgb(gfx::kMagenta));
    graphics.ResetClip();
}

void SkinEngine::PaintOutline(int index, gfx::Graphics& graphics) {
    const CachedImage& image = Record(index)->windowImage;
    const auto width = static_cast<float>(image.Width());
    const auto height = static_cast<float>(image.Height());
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeNone);
    const struct {
        gfx::Figure figure;
        gfx::ColourRef colour;
    } lines[] = {
        {RoundRectFigure(0, 0, width - 1, height - 1, 7), gfx::kBlackRef},
        {RoundRectFigure(1, 1, width - 3, height - 3, 6), gfx::kWhiteRef},
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

void SkinEngine::RenderWindow(int index, HDC target, bool showNow) {
    WindowRecord* record = Record(index);
    if (!record || !gdiplusToken_) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0 || !record->windowImage.Resize(width, height)) {
        record->needsRender = false;
        return;
    }
    SetRoundedRegion(*record, width, height);
    HDC imageDc = record->windowImage.Dc();
    {
        gfx::Graphics graphics;
        graphics.FromHdc(imageDc);
        PaintBackground(index, graphics);
        if (record->captionBar) {
            PaintOutline(index, graphics);
            graphics.Flush();
            SaveBand(record->topBand, imageDc, 0, 0, width, std::min(record->captionHeight, height));
        }
        const RECT& bar = record->statusBar.rect;
        SaveBand(record->statusBand, imageDc, bar.left, bar.top, bar.right - bar.left,
                 bar.bottom - bar.top);
        if (record->captionBar) {
            if (record->showTitle) PaintTitle(index, &graphics);
            for (int button = 1; button <= record->strip.Count(); ++button) {
                PaintCaptionButton(index, button, &graphics, 0, 0);
            }
        }
    }
    record->needsRender = false;
    if (!showNow) return;
    HDC dc = GetClippedWindowDC(record->hwnd, target);
    if (dc) {
        ::BitBlt(dc, 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
        if (!target) ::ReleaseDC(record->hwnd, dc);
    }
    if (!settings_.firstSize) InvalidateSkinnedChildren(*record);
}

void SkinEngine::InvalidateSkinnedChildren(WindowRecord& record) {
    const auto invalidate = [&record](ControlFamily family, bool erase) {
        const auto& children = record.Family(family);
        for (std::size_t i = 1; i < children.size(); ++i) {
            HWND child = children[i].hwnd;
            if (!child || ::GetParent(child) != record.hwnd) continue;
            ::InvalidateRect(child, nullptr, erase);
            if (family != ControlFamily::Lists) continue;
            for (HWND inner = ::GetWindow(child, GW_CHILD); inner;
                 inner = ::GetWindow(inner, GW_HWNDNEXT)) {
                if (::IsWindowVisible(inner)) ::InvalidateRect(inner, nullptr, TRUE);
            }
        }
    };
    invalidate(ControlFamily::Lists, true);
    invalidate(ControlFamily::Combos, true);
    invalidate(ControlFamily::Edits, true);
    invalidate(ControlFamily::Buttons, false);
    invalidate(ControlFamily::Trackbars, false);
    invalidate(ControlFamily::ProgressBars, false);
    invalidate(ControlFamily::Spins, false);
}

void SkinEngine::ShowCachedImage(int index, HDC dc) {
    WindowRecord* record = Record(index);
    if (!record) return;
    if (!record->windowImage.Ready()) {
        // Nothing composed yet (a paint before the first render): compose now.
        RenderWindow(index, dc, true);
        return;
    }
    RECT window{};
    ::GetWindowRect(record->hwnd, &window);
    HDC target = GetClippedWindowDC(record->hwnd, dc);
    if (!target) return;
    ::BitBlt(target, 0, 0, window.right - window.left, window.bottom - window.top,
             record->windowImage.Dc(), 0, 0, SRCCOPY);
    if (!dc) ::ReleaseDC(record->hwnd, target);
}

void SkinEngine::RestoreTopBand(int index, const RECT& rect) {
    WindowRecord* record = Record(index);
    if (!record || !record->topBand.Ready() || !record->windowImage.Ready()) return;
    ::BitBlt(record->windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, record->topBand.Dc(), rect.left, rect.top, SRCCOPY);
}

void SkinEngine::RestoreStatusBand(int index, const RECT& rect) {
    WindowRecord* record = Record(index);
    if (!record || !record->statusBand.Ready() || !record->windowImage.Ready()) return;
    const RECT& bar = record->statusBar.rect;
    ::BitBlt(record->windowImage.Dc(), rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top, record->statusBand.Dc(), rect.left - bar.left,
             rect.top - bar.top, SRCCOPY);
}

bool SkinEngine::SetWindowPicture(HWND window, std::span<const std::uint8_t> bytes,
                                  std::optional<int> mode) {
    WindowRecord* record = Record(FindWindowIndex(window));
    if (!record || bytes.empty()) return false;
    if (mode) record->ownPictureMode = *mode;
    gfx::Bitmap source;
    if (!source.FromBytes(bytes)) return false;
    gfx::PixelBuffer pixels = gfx::ReadPixels(source);
    record->ownPictureColour = yf::AveragePictureColour(pixels, kAverageSamples, 0, 0);
    const PicturePreparation preparation = PreparationFor(record->ownPictureMode);
    if (preparation == PicturePreparation::AsGiven) {
        record->ownPicture.assign(bytes.begin(), bytes.end());
    } else {
        gfx::Bitmap faded;
        const int variant = preparation == PicturePreparation::FadeLeftAndBottom ? 0 : 1;
        if (!FadeIntoBitmap(source, std::nullopt, record->ownPictureColour, variant, faded)) {
            return false;
        }
        record->ownPicture = faded.SaveToBytes(gfx::kPngFormat);
        pixels = gfx::ReadPixels(faded);
    }
    record->ownPrepared = Prepare(std::move(pixels), record->ownPictureMode);
    record->needsRender = true;
    ::InvalidateRect(window, nullptr, FALSE);
    return true;
}

}  // namespace yf
