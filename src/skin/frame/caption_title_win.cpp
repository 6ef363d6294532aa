// The caption title: the window icon and the window text with its halo, left of the buttons.
#include "core/wide_text_win.h"
#include "gfx/text_win.h"
#include "skin/engine/engine_core_win.h"
#include "skin/frame/clipped_window_dc_win.h"
#include "skin/frame/halo_text_win.h"
#include "skin/frame/title_layout.h"
#include "skin/frame/window_frame_win.h"

namespace yf {

bool DrawHaloText(gfx::Graphics& graphics, std::string_view text, const gfx::RectF& layout,
                  const HaloTextStyle& style) {
    gfx::Font font;
    gfx::StringFormat format;
    if (!font.Create(style.font, style.size, style.style, gfx::gp::UnitWorld) || !format.Create()) {
        return false;
    }
    format.SetAlignment(style.horizontal);
    format.SetLineAlignment(style.vertical);
    gfx::SolidBrush halo;
    gfx::SolidBrush main;
    if (!halo.Create(gfx::MakeArgb(style.haloColour, kHaloAlpha)) ||
        !main.Create(gfx::MakeArgb(style.colour))) {
        return false;
    }
    const auto d = static_cast<float>(style.haloOffset);
    const gfx::PointF shifts[] = {{d, 0}, {-d, 0}, {0, d}, {0, -d}};
    for (const gfx::PointF& shift : shifts) {
        const gfx::RectF at{layout.x + shift.x, layout.y + shift.y, layout.width, layout.height};
        graphics.DrawString(text, font, at, &format, halo);
    }
    return graphics.DrawString(text, font, layout, &format, main);
}

void WindowFrame::PaintTitle(gfx::Graphics* onImage, std::optional<std::string> text) {
    WindowRecord* record = &record_;
    if (!record->windowImage || !core_.GdiplusRunning()) return;
    RECT client{};
    ::GetClientRect(record->hwnd, &client);
    const TitleLayout layout =
        LayoutTitle(client.right, record->strip.width, core_.FrameMargin(), record->captionHeight);
    const PixelBox& area = layout.area;
    if (area.width <= 0 || area.height <= 0) return;
    if (onImage) {
        onImage->Flush();
    } else {
        RestoreTopBand({area.x, area.y, area.x + area.width, area.y + area.height});
    }
    BlendCaptionOverlay(area, text ? *text : WindowText(record->hwnd));
    if (onImage) return;
    record->bandVersion = core_.NextVersion();
    ClippedWindowDc dc(record->hwnd);
    if (!dc) return;
    ::BitBlt(dc.get(), area.x, area.y, area.width, area.height, record->windowImage.Dc(), area.x,
             area.y, SRCCOPY);
}

void WindowFrame::SetTitleStyle(std::optional<std::string> font, std::optional<int> size,
                                std::optional<gfx::ColourRef> colour,
                                std::optional<gfx::ColourRef> haloColour,
                                std::optional<int> style) {
    WindowRecord* record = &record_;
    if (font) record->title.font = *font;
    if (size) record->title.size = *size;
    if (colour) record->title.colour = *colour;
    if (haloColour) record->title.haloColour = *haloColour;
    if (style) record->title.style = *style;
    PaintTitle();
}

}  // namespace yf
