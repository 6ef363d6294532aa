// The caption buttons: painted into the window image in their normal state with a hover
// highlight of any opacity, or pressed, and copied out to the window; plus the separators
// between them, the layout with its tooltips, and glyph replacement.
#include <algorithm>

#include "core/resource_bytes_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "skin/backdrop/dib_surface_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/window_frame_win.h"
#include "skin/shapes.h"

namespace yf {
namespace {

using gfx::MakeArgb;

constexpr gfx::ColourRef kRed = gfx::MakeColourRef(255, 0, 0);

// The built-in glyph of a caption button kind, and of the restored state for maximize.
const wchar_t* GlyphResource(CaptionButtonKind kind) {
    switch (kind) {
        case CaptionButtonKind::Help:
            return L"GLYPH_HELP";
        case CaptionButtonKind::MainMenu:
            return L"GLYPH_MENU";
        case CaptionButtonKind::Minimize:
            return L"GLYPH_MINIMIZE";
        case CaptionButtonKind::Maximize:
            return L"GLYPH_MAXIMIZE";
        case CaptionButtonKind::Close:
            return L"GLYPH_CLOSE";
        case CaptionButtonKind::Custom:
            break;
    }
    return nullptr;
}

std::vector<std::uint8_t> Copy(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

// Fills `figure` with a vertical gradient over [top, top + height].
void FillVertical(gfx::Graphics& graphics, const gfx::Figure& figure, float x, float top,
                  float height, gfx::Argb from, gfx::Argb to) {
    gfx::GraphicsPath path;
    gfx::LinearGradientBrush brush;
    if (path.Create() && path.AddFigure(figure) &&
        brush.Create({x, top}, {x, top + height}, from, to)) {
        graphics.FillPath(brush, path);
    }
}

void OutlineVertical(gfx::Graphics& graphics, const gfx::Figure& figure, float x, float top,
                     float height, gfx::Argb from, gfx::Argb to) {
    gfx::GraphicsPath path;
    gfx::LinearGradientBrush brush;
    gfx::Pen pen;
    if (path.Create() && path.AddFigure(figure) &&
        brush.Create({x, top}, {x, top + height}, from, to) && pen.FromBrush(brush, 1)) {
        graphics.DrawPath(pen, path);
    }
}

}  // namespace

void WindowFrame::PaintButtonHighlight(gfx::Graphics& graphics, int button, int opacity) {
    WindowRecord& record = record_;
    const CaptionButton& b = record.strip.Button(button);
    const int x = static_cast<int>(b.rect.x - 1);
    const int y = static_cast<int>(b.rect.y);
    const int w = b.width;
    const int h = b.height;
    graphics.Flush();
    RestoreTopBand({x - 1, y, x + w + 1, y + h + 1});
    if (opacity <= 0) return;

    const bool close = b.kind == CaptionButtonKind::Close;
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    const auto fw = static_cast<float>(w);
    const auto fh = static_cast<float>(h);
    FillVertical(graphics, TabFigure(fx, fy, fw, fh, kTabCorner), fx, fy, fh,
                 MakeArgb(gfx::kBlackRef, opacity / 5), MakeArgb(gfx::kWhiteRef, 0));
    if (close) {
        FillVertical(graphics, TopRoundRectFigure(fx, fy, fw, fh, kCloseCorner), fx, fy, fh,
                     MakeArgb(kRed, opacity), MakeArgb(gfx::kWhiteRef, 0));
    } else {
        FillVertical(graphics, TabFigure(fx, fy, fw, fh, kTabCorner), fx, fy, fh,
                     MakeArgb(core_.Settings().accentColour, opacity), MakeArgb(gfx::kWhiteRef, 0));
    }
    const auto rimHeight = static_cast<float>(static_cast<int>(fh * 0.8f));
    const gfx::Figure rim = close ? TopRoundRectFigure(fx, fy, fw - 1, rimHeight, kCloseCorner)
                                  : TabFigure(fx, fy, fw - 1, rimHeight, kTabCorner);
    OutlineVertical(graphics, rim, fx, fy, fh,
                    MakeArgb(gfx::kWhiteRef, static_cast<int>(opacity * 0.8)),
                    MakeArgb(gfx::kWhiteRef, 0));
}

void WindowFrame::PaintStripSeparators(int button, gfx::Graphics& graphics) {
    const CaptionStrip& strip = record_.strip;
    const auto top = static_cast<float>(strip.top);
    const auto bottom = static_cast<float>(strip.top + strip.height);
    const auto line = [&](int x, int alpha) {
        const auto fx = static_cast<float>(x);
        gfx::LinearGradientBrush brush;
        gfx::Pen pen;
        if (brush.Create({fx, top}, {fx, bottom - 3}, MakeArgb(gfx::kBlackRef, alpha),
                         MakeArgb(gfx::kBlackRef, 0)) &&
            pen.FromBrush(brush, 1)) {
            graphics.DrawLine(pen, fx, top + 1, fx, bottom - 4);
        }
    };
    line(SeparatorX(strip, button), button == 1 ? 100 : 60);
    if (button + 1 <= strip.Count()) line(SeparatorX(strip, button + 1), 60);
}

void WindowFrame::PaintCaptionButton(int button, gfx::Graphics* onImage, bool pressed,
                                     int opacity) {
    WindowRecord* record = &record_;
    if (button < 1 || button > record->strip.Count() || !record->windowImage ||
        !core_.GdiplusRunning()) {
        return;
    }
    const PixelBox box = ButtonPaintBox(record->strip, button);
    // A plain repaint needs no graphics of its own: it only restores and blends pixels.
    gfx::Graphics own;
    gfx::Graphics* graphics = onImage;
    if (!graphics && (pressed || opacity > 0)) {
        own.FromHdc(record->windowImage.Dc());
        graphics = &own;
    }
    if (pressed) {
        PaintPressedFace(*graphics, button);
    } else {
        if (opacity > 0) {
            if (!onImage) graphics->SetSmoothingMode(gfx::gp::SmoothingModeAntiAlias);
            PaintButtonHighlight(*graphics, button, opacity);
            graphics->Flush();
        } else {
            if (onImage) onImage->Flush();
            RestoreTopBand({box.x - 1, box.y, box.x + box.width + 1, box.y + box.height + 1});
        }
        // Sheen, glyph and separators come from the caption decoration.
        BlendCaptionOverlay({box.x - 1, box.y, box.width + 2, box.height + 1},
                            WindowText(record->hwnd));
    }
    if (onImage) return;
    record->bandVersion = core_.NextVersion();
    own.Delete();
    WindowDc dc(record->hwnd);
    if (dc.get()) {
        ::BitBlt(dc.get(), box.x - 1, box.y, box.width + 2, box.height + 1,
                 record->windowImage.Dc(), box.x - 1, box.y, SRCCOPY);
    }
}

void WindowFrame::PaintPressedFace(gfx::Graphics& graphics, int button) {
    WindowRecord& record = record_;
    const CaptionButton& b = record.strip.Button(button);
    const PixelBox box = ButtonPaintBox(record.strip, button);
    const gfx::RectF area = ToRectF(box);
    graphics.SetSmoothingMode(gfx::gp::SmoothingModeNone);
    graphics.Flush();
    RestoreTopBand({box.x, box.y, box.x + box.width, box.y + box.height});
    if (b.kind == CaptionButtonKind::Close) {
        FillVertical(
            graphics, TopRoundRectFigure(area.x, area.y, area.width, area.height, kCloseCorner),
            area.x, area.y, area.height, MakeArgb(kRed, 255), MakeArgb(gfx::kWhiteRef, 30));
    } else {
        gfx::LinearGradientBrush shade;
        if (shade.Create({area.x, area.y}, {area.x, area.y + area.height},
                         MakeArgb(gfx::kBlackRef, 80), MakeArgb(gfx::kWhiteRef, 5))) {
            graphics.FillRectangle(shade, area);
        }
    }
    if (const gfx::Bitmap& glyph = GlyphOf(button)) {
        graphics.DrawImageRect(glyph, {area.x, area.y, area.width - 1, area.height});
    }
    graphics.Flush();
}

const gfx::Bitmap& WindowFrame::GlyphOf(int button) const {
    const ButtonGlyphs& glyphs = glyphs_[static_cast<std::size_t>(button - 1)];
    const bool restore = record_.strip.Button(button).kind == CaptionButtonKind::Maximize &&
                         record_.state.maximized && glyphs.image2;
    return restore ? glyphs.image2 : glyphs.image;
}

void WindowFrame::DecodeGlyphs(int button) {
    const CaptionButton& source = record_.strip.Button(button);
    ButtonGlyphs& glyphs = glyphs_[static_cast<std::size_t>(button - 1)];
    ++buttonsVersion_;
    glyphs.image.Dispose();
    glyphs.image2.Dispose();
    if (!source.image.empty()) glyphs.image.FromBytes(source.image);
    if (!source.image2.empty()) glyphs.image2.FromBytes(source.image2);
}

void WindowFrame::ReleaseGraphics() {
    glyphs_.clear();
}

void WindowFrame::SetUpCaption() {
    WindowRecord& record = record_;
    RECT client{};
    ::GetClientRect(record.hwnd, &client);
    record.strip.buttons = MakeCaptionButtons(
        {record.showHelp, record.showMenu, record.showMinimize, record.showMaximize});
    for (CaptionButton& button : record.strip.buttons) {
        if (const wchar_t* name = GlyphResource(button.kind)) {
            button.image = Copy(ResourceBytes(name, core_.Module()));
        }
        if (button.kind == CaptionButtonKind::Maximize) {
            button.image2 = Copy(ResourceBytes(L"GLYPH_RESTORE", core_.Module()));
        }
    }
    PlaceStrip(record.strip, client.right, core_.FrameMargin());
    glyphs_.resize(record.strip.buttons.size());
    for (int i = 1; i <= record.strip.Count(); ++i) DecodeGlyphs(i);
    record.tooltip.Create(record.hwnd);
    for (int i = 1; i <= record.strip.Count(); ++i) {
        record.tooltip.AddTool(RECT{}, record.strip.Button(i).tooltip, static_cast<UINT>(i));
    }
    record.captionButtonCount = record.strip.Count();
    LayoutCaptionButtons();
}

void WindowFrame::LayoutCaptionButtons() {
    WindowRecord* record = &record_;
    if (!::IsWindow(record->hwnd)) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    LayoutStrip(record->strip, client.right);
    for (int i = 1; i <= record->strip.Count(); ++i) {
        const gfx::RectF& r = record->strip.Button(i).rect;
        const RECT tool{static_cast<LONG>(r.x), static_cast<LONG>(r.y),
                        static_cast<LONG>(r.x + r.width), static_cast<LONG>(r.y + r.height)};
        record->tooltip.SetToolRect(static_cast<UINT>(i), tool);
        record->tooltip.SetToolText(static_cast<UINT>(i), record->strip.Button(i).tooltip);
    }
}

int WindowFrame::CaptionHitTest(int x, int y) const {
    return HitTestStrip(record_.strip, x, y);
}

int WindowFrame::MaximizeButtonIndex() const {
    return yf::MaximizeButtonIndex(record_.strip);
}

RECT WindowFrame::StripRect() const {
    const CaptionStrip& s = record_.strip;
    return {s.left, s.top, s.left + s.width, s.top + s.height};
}

bool WindowFrame::AddCaptionButton(std::span<const std::uint8_t> picture, std::string_view tooltip,
                                   std::function<void()> callback) {
    WindowRecord* record = &record_;
    CaptionButton button;
    button.image.assign(picture.begin(), picture.end());
    button.tooltip = std::string(tooltip);
    button.callback = std::move(callback);
    AddCustomButton(record->strip, std::move(button));
    glyphs_.insert(glyphs_.begin(), ButtonGlyphs{});
    DecodeGlyphs(1);
    record->tooltip.AddTool(RECT{}, tooltip, static_cast<UINT>(record->strip.Count()));
    LayoutCaptionButtons();
    record->state.needsRender = true;
    return true;
}

bool WindowFrame::SetCaptionGlyphs(std::span<const std::uint8_t> minimize,
                                   std::span<const std::uint8_t> maximize,
                                   std::span<const std::uint8_t> restore,
                                   std::span<const std::uint8_t> close) {
    WindowRecord* record = &record_;
    if (record->strip.Count() == 0) return false;
    const LONG style = ::GetWindowLongW(record->hwnd, GWL_STYLE);
    const GlyphTargets targets = CaptionGlyphTargets(
        record->strip.Count(), (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0);
    const auto replace = [](std::vector<std::uint8_t>& slot, std::span<const std::uint8_t> bytes) {
        if (!bytes.empty()) slot.assign(bytes.begin(), bytes.end());
    };
    if (targets.close) replace(record->strip.Button(targets.close).image, close);
    if (targets.maximize) {
        replace(record->strip.Button(targets.maximize).image, maximize);
        replace(record->strip.Button(targets.maximize).image2, restore);
    }
    if (targets.minimize) replace(record->strip.Button(targets.minimize).image, minimize);
    for (int i = 1; i <= record->strip.Count(); ++i) {
        DecodeGlyphs(i);
        PaintCaptionButton(i, nullptr, false, 0);
    }
    return true;
}

}  // namespace yf
