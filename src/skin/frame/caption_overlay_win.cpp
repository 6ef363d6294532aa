// The caption decoration in the normal state (icon, haloed title, each button's sheen, glyph
// and separators) drawn once on a transparent layer and laid over the window image wherever it
// is needed: at every render, after a button's highlight, after a title change. Drawing it
// only when the title, the buttons or the width change keeps renders and hover steps cheap.
#include <algorithm>

#include "core/unique_handle_win.h"
#include "gfx/pixels_win.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/frame/halo_text_win.h"
#include "skin/frame/title_layout.h"
#include "skin/frame/window_frame_win.h"

namespace yf {
namespace {

// The icon as premultiplied pixels: drawn once on black and once on white, the difference
// gives each pixel's coverage whether the icon has an alpha channel or only a mask.
gfx::PixelBuffer IconPixels(HICON icon, int size) {
    gfx::PixelBuffer result(size, size);
    result.opaque = false;
    if (!icon) return {};
    std::uint32_t* onBlack = nullptr;
    std::uint32_t* onWhite = nullptr;
    UniqueBitmap black(CreateArgbBitmap(size, size, &onBlack));
    UniqueBitmap white(CreateArgbBitmap(size, size, &onWhite));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!black || !white || !dc) return {};
    const RECT all{0, 0, size, size};
    for (HBITMAP bitmap : {black.get(), white.get()}) {
        SelectGuard keep(dc.get(), bitmap);
        ::FillRect(dc.get(), &all,
                   static_cast<HBRUSH>(
                       ::GetStockObject(bitmap == black.get() ? BLACK_BRUSH : WHITE_BRUSH)));
        ::DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    ::GdiFlush();
    for (int i = 0; i < size * size; ++i) {
        std::uint32_t coverage = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t b = (onBlack[i] >> shift) & 0xFF;
            const std::uint32_t w = (onWhite[i] >> shift) & 0xFF;
            coverage = std::max(coverage, 255 - std::min<std::uint32_t>(255, w - std::min(w, b)));
        }
        result.pixels[static_cast<std::size_t>(i)] = (coverage << 24) | (onBlack[i] & 0xFFFFFF);
    }
    return result;
}

}  // namespace

void WindowFrame::PaintButtonFace(gfx::Graphics& graphics, int button) {
    const gfx::Bitmap& glyph = GlyphOf(button);
    const PixelBox box = ButtonPaintBox(record_.strip, button);
    const gfx::RectF area{static_cast<float>(box.x), static_cast<float>(box.y),
                          static_cast<float>(box.width), static_cast<float>(box.height)};
    gfx::LinearGradientBrush sheen;
    if (sheen.Create({area.x, area.y}, {area.x, area.y + area.height},
                     gfx::MakeArgb(gfx::kWhiteRef, 50), gfx::MakeArgb(gfx::kBlackRef, 0))) {
        graphics.FillRectangle(sheen, {area.x - 1, area.y, area.width + 1, area.height - 1});
    }
    if (glyph) graphics.DrawImageRect(glyph, area);
    PaintStripSeparators(button, graphics);
}

const gfx::PixelBuffer& WindowFrame::CaptionOverlay(const std::string& text) {
    WindowRecord& record = record_;
    RECT client{};
    ::GetClientRect(record.hwnd, &client);
    const CaptionOverlayKey key{client.right,   record.captionHeight, text,
                                record.title,   record.showTitle,     record.state.maximized,
                                buttonsVersion_};
    if (captionOverlayReady_ && captionKey_ == key) return captionOverlay_;
    if (captionOverlayReady_) {
        std::swap(captionKey_, previousCaptionKey_);
        std::swap(captionOverlay_, previousCaptionOverlay_);
        if (captionKey_ == key) return captionOverlay_;
    }

    captionOverlay_ = {};
    captionKey_ = key;
    captionOverlayReady_ = true;
    gfx::Bitmap canvas;
    gfx::Graphics graphics;
    if (key.width <= 0 || key.height <= 0 ||
        !canvas.Create(key.width, key.height, PixelFormat32bppPARGB) ||
        !graphics.FromImage(canvas)) {
        return captionOverlay_;
    }
    graphics.Clear(0);
    graphics.SetTextRenderingHint(gfx::gp::TextRenderingHintAntiAlias);
    const TitleLayout title =
        LayoutTitle(key.width, record.strip.width, core_.FrameMargin(), record.captionHeight);
    if (record.showTitle && title.area.width > 0 && title.area.height > 0) {
        // The title never runs under the caption buttons or below the caption bar.
        graphics.SetClipRect({static_cast<float>(title.area.x), static_cast<float>(title.area.y),
                              static_cast<float>(title.area.width),
                              static_cast<float>(title.area.height)});
        HaloTextStyle style;
        style.colour = record.title.colour;
        style.haloColour = record.title.haloColour;
        style.font = record.title.font;
        style.size = static_cast<float>(record.title.size);
        style.style = record.title.style ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
        DrawHaloText(graphics, text, title.text, style);
        graphics.ResetClip();
    }
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
    for (int button = 1; button <= record.strip.Count(); ++button) {
        PaintButtonFace(graphics, button);
    }
    graphics.Delete();
    captionOverlay_ = gfx::ReadPixels(canvas);
    captionOverlay_.opaque = false;
    if (record.showTitle) {
        gfx::PixelBuffer& icon = core_.CaptionIconPixels();
        if (icon.empty()) icon = IconPixels(core_.WindowIcon(), kIconSize);
        if (!icon.empty()) {
            gfx::Blit(gfx::WritableView(captionOverlay_), gfx::ViewOf(icon), title.icon.x,
                      title.icon.y, false);
        }
    }
    return captionOverlay_;
}

void WindowFrame::BlendCaptionOverlay(const PixelBox& area, const std::string& text) {
    WindowRecord* record = &record_;
    if (!record->windowImage) return;
    const gfx::PixelBuffer& overlay = CaptionOverlay(text);
    if (overlay.empty()) return;
    const gfx::ConstPixelView part =
        gfx::SubView(gfx::ViewOf(overlay), area.x, area.y, area.width, area.height);
    gfx::Blit(record->windowImage.Pixels(), part, std::max(area.x, 0), std::max(area.y, 0), false);
}

}  // namespace yf
