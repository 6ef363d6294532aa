// The status bar of a skinned window: cells along the bottom of the client area, drawn into
// the window image over a copy of what the composition left there, each with an optional
// picture and a plain or glowing text.
#include <algorithm>

#include "core/wide_text_win.h"
#include "gfx/text_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/frame/clipped_window_dc_win.h"
#include "skin/frame/glow_text_win.h"
#include "skin/frame/status_bar_layout.h"
#include "skin/frame/window_frame_win.h"

namespace yf {
namespace {

constexpr float kGlowSize = 4;

std::vector<int> DeclaredWidths(const StatusBar& bar) {
    std::vector<int> widths;
    widths.reserve(bar.items.size());
    for (const BarItem& item : bar.items) widths.push_back(item.width);
    return widths;
}

RECT ToRect(const PixelBox& box) {
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

bool DrawPlainText(gfx::Graphics& graphics, std::string_view text, const gfx::RectF& rect,
                   const std::string& fontName, int size, gfx::ColourRef colour) {
    gfx::Font font;
    gfx::StringFormat format;
    gfx::SolidBrush ink;
    return font.Create(fontName, static_cast<float>(size), gfx::gp::FontStyleRegular,
                       gfx::gp::UnitPixel) &&
           format.Create() && format.SetAlignment(gfx::gp::StringAlignmentNear) &&
           ink.Create(gfx::MakeArgb(colour)) && graphics.DrawString(text, font, rect, &format, ink);
}

}  // namespace

bool DrawGlowText(gfx::Graphics& graphics, std::string_view text, const gfx::RectF& rect,
                  const GlowTextStyle& style) {
    const GlowPlan plan = PlanGlow(rect, style.glowSize);
    if (plan.layerWidth <= 0 || plan.layerHeight <= 0) return false;
    gfx::Font font;
    gfx::StringFormat format;
    gfx::SolidBrush glow, faint, ink;
    if (!font.Create(style.font, style.size, gfx::gp::FontStyleRegular, gfx::gp::UnitPixel) ||
        !format.Create() || !glow.Create(gfx::MakeArgb(style.glowColour)) ||
        !faint.Create(gfx::MakeArgb(style.glowColour, 60)) ||
        !ink.Create(gfx::MakeArgb(style.colour))) {
        return false;
    }
    format.SetAlignment(style.horizontal);
    format.SetLineAlignment(style.vertical);
    const auto w = static_cast<float>(plan.layerWidth);
    const auto h = static_cast<float>(plan.layerHeight);

    gfx::Bitmap sharp, small, blurred;
    gfx::Graphics onSharp, onSmall, onBlurred;
    if (!sharp.Create(plan.layerWidth, plan.layerHeight) || !onSharp.FromImage(sharp) ||
        !small.Create(plan.smallWidth, plan.smallHeight) || !onSmall.FromImage(small) ||
        !blurred.Create(plan.layerWidth, plan.layerHeight) || !onBlurred.FromImage(blurred)) {
        return false;
    }
    onSharp.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
    onSharp.SetCompositingQuality(gfx::gp::CompositingQualityGammaCorrected);
    onSharp.SetInterpolationMode(gfx::gp::InterpolationModeHighQualityBicubic);
    onSharp.DrawString(text, font, {plan.textAt.x, plan.textAt.y, w, h}, &format, glow);
    onSharp.Delete();
    // Down and up again: the scaling spreads the text into a glow.
    onSmall.SetInterpolationMode(gfx::gp::InterpolationModeHighQualityBicubic);
    onSmall.DrawImageRect(
        sharp, {0, 0, static_cast<float>(plan.smallWidth), static_cast<float>(plan.smallHeight)});
    onSmall.Delete();
    onBlurred.SetInterpolationMode(gfx::gp::InterpolationModeHighQualityBicubic);
    onBlurred.DrawImageRect(small, {0, 0, w, h});
    for (const gfx::PointF& at : plan.strokes) {
        onBlurred.DrawString(text, font, {at.x, at.y, w, h}, &format, faint);
    }
    onBlurred.Delete();

    graphics.SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
    graphics.DrawImageRect(blurred, {plan.layerAt.x, plan.layerAt.y, w, h});
    return graphics.DrawString(text, font, rect, &format, ink);
}

void WindowFrame::SetUpStatusBar(int height, std::span<const int> widths) {
    WindowRecord* record = &record_;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    StatusBar& bar = record->statusBar;
    bar.height = std::max(height, 0);
    const int margin = core_.FrameMargin();
    const PixelBox place = StatusBarPlace(client.right, client.bottom, margin, bar.height);
    bar.rect = ToRect(place);
    if (widths.empty()) return;
    bar.items.assign(widths.size(), BarItem{});
    for (std::size_t i = 0; i < widths.size(); ++i) bar.items[i].width = widths[i];
    bar.cells = LayoutStatusCells(DeclaredWidths(bar), place, client.right, margin);
}

void WindowFrame::LayoutStatusBar() {
    WindowRecord* record = &record_;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    StatusBar& bar = record->statusBar;
    const int margin = core_.FrameMargin();
    const PixelBox place = StatusBarPlace(client.right, client.bottom, margin, bar.height);
    bar.rect = ToRect(place);
    bar.cells = LayoutStatusCells(DeclaredWidths(bar), place, client.right, margin);
}

void WindowFrame::PaintStatusCell(gfx::Graphics* onImage, int cell) {
    WindowRecord* record = &record_;
    if (!record->windowImage || !core_.GdiplusRunning()) return;
    StatusBar& bar = record->statusBar;
    if (bar.height <= 0 || cell < 1 || cell > static_cast<int>(bar.cells.size()) ||
        cell > static_cast<int>(bar.items.size())) {
        return;
    }
    const PixelBox& box = bar.cells[static_cast<std::size_t>(cell - 1)];
    const BarItem& item = bar.items[static_cast<std::size_t>(cell - 1)];
    if (box.width <= 0 || box.height <= 0) return;
    const RECT area = ToRect(box);
    gfx::Graphics own;
    if (!onImage) {
        RestoreStatusBand(area);
        if (!own.FromHdc(record->windowImage.Dc())) return;
    }
    gfx::Graphics& graphics = onImage ? *onImage : own;
    const gfx::RectF whole{static_cast<float>(box.x), static_cast<float>(box.y),
                           static_cast<float>(box.width), static_cast<float>(box.height)};
    // Nothing of a cell (its glow least of all) reaches past it, so a cell can be redrawn alone.
    graphics.SetClipRect(whole);
    gfx::LinearGradientBrush sheen;
    if (sheen.Create({whole.x, whole.y}, {whole.x, whole.y + whole.height},
                     gfx::MakeArgb(gfx::kWhiteRef, 60), gfx::MakeArgb(gfx::kWhiteRef, 10))) {
        graphics.FillRectangle(sheen, whole);
    }
    gfx::Bitmap picture;
    if (!item.picture.empty()) picture.FromBytes(item.picture);
    const int pictureWidth = picture ? static_cast<int>(picture.Width()) : 0;
    const int pictureHeight = picture ? static_cast<int>(picture.Height()) : 0;
    const CellContent content = LayoutCellContent(box, pictureWidth, pictureHeight);
    if (picture) {
        graphics.DrawImageRect(
            picture, {content.picture.x, content.picture.y, static_cast<float>(pictureWidth),
                      static_cast<float>(pictureHeight)});
    }
    const BarTextStyle& style = bar.text;
    if (!item.text.empty()) {
        if (style.glow) {
            GlowTextStyle glow;
            glow.colour = style.glowTextColour;
            glow.glowColour = style.glowColour;
            glow.glowSize = kGlowSize;
            glow.font = style.font;
            glow.size = static_cast<float>(style.size);
            DrawGlowText(graphics, item.text, content.text, glow);
        } else {
            DrawPlainText(graphics, item.text, content.text, style.font, style.size,
                          CellTextColour(style, core_.Settings().themeColour, item.colour));
        }
    }
    graphics.ResetClip();
    if (onImage) return;
    record->bandVersion = core_.NextVersion();
    own.Delete();
    if (ClippedWindowDc dc(record->hwnd); dc) {
        ::BitBlt(dc.get(), box.x, box.y, box.width, box.height, record->windowImage.Dc(), box.x,
                 box.y, SRCCOPY);
    }
}

void WindowFrame::PaintStatusCells() {
    WindowRecord* record = &record_;
    if (record->statusBar.height <= 0 || !record->windowImage) return;
    gfx::Graphics graphics;
    if (!graphics.FromHdc(record->windowImage.Dc())) return;
    for (int cell = 1; cell <= static_cast<int>(record->statusBar.cells.size()); ++cell) {
        PaintStatusCell(&graphics, cell);
    }
}

bool WindowFrame::SetStatusCell(int cell, std::string_view text,
                                std::optional<std::span<const std::uint8_t>> picture,
                                std::optional<gfx::ColourRef> colour) {
    WindowRecord* record = &record_;
    if (cell < 1 || cell > static_cast<int>(record->statusBar.items.size())) {
        return false;
    }
    BarItem& item = record->statusBar.items[static_cast<std::size_t>(cell - 1)];
    item.text.assign(text.begin(), text.end());
    if (picture) item.picture.assign(picture->begin(), picture->end());
    if (colour) item.colour = *colour;
    PaintStatusCell(nullptr, cell);
    return true;
}

void WindowFrame::SetStatusTextStyle(const BarTextStyleArgs& args) {
    ApplyBarTextStyle(record_.statusBar.text, args);
    for (int cell = 1; cell <= static_cast<int>(record_.statusBar.cells.size()); ++cell) {
        PaintStatusCell(nullptr, cell);
    }
}

}  // namespace yf
