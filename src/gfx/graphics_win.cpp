#include "gfx/graphics_win.h"

#include "core/wide_text_win.h"
#include "gfx/image_win.h"
#include "gfx/text_win.h"

namespace yf::gfx {

bool GraphicsPath::Create(gp::FillMode fillMode) {
    auto** slot = Receive();
    gp::GpPath* path = nullptr;
    const bool ok = Track(GdipCreatePath(fillMode, &path));
    *slot = path;
    return ok;
}

bool GraphicsPath::Reset() {
    return Handle() && Track(GdipResetPath(Handle()));
}

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    return Handle() && Track(GdipAddPathLine(Handle(), x1, y1, x2, y2));
}

bool GraphicsPath::AddArc(const RectF& b, float startAngle, float sweepAngle) {
    return Handle() &&
           Track(GdipAddPathArc(Handle(), b.x, b.y, b.width, b.height, startAngle, sweepAngle));
}

bool GraphicsPath::AddRectangle(const RectF& r) {
    return Handle() && Track(GdipAddPathRectangle(Handle(), r.x, r.y, r.width, r.height));
}

bool GraphicsPath::AddEllipse(const RectF& r) {
    return Handle() && Track(GdipAddPathEllipse(Handle(), r.x, r.y, r.width, r.height));
}

bool GraphicsPath::StartFigure() {
    return Handle() && Track(GdipStartPathFigure(Handle()));
}

bool GraphicsPath::CloseFigure() {
    return Handle() && Track(GdipClosePathFigure(Handle()));
}

bool GraphicsPath::AddFigure(const Figure& figure) {
    if (!StartFigure()) return false;
    bool ok = true;
    for (const Segment& segment : figure.segments) {
        if (const auto* line = std::get_if<LineSegment>(&segment)) {
            ok = AddLine(line->from.x, line->from.y, line->to.x, line->to.y) && ok;
        } else {
            const auto& arc = std::get<ArcSegment>(segment);
            ok = AddArc(arc.bounds, arc.startAngle, arc.sweepAngle) && ok;
        }
    }
    if (figure.closed) ok = CloseFigure() && ok;
    return ok;
}

bool Graphics::FromHdc(HDC dc, HANDLE device) {
    auto** slot = Receive();
    gp::GpGraphics* graphics = nullptr;
    const bool ok = Track(device ? GdipCreateFromHDC2(dc, device, &graphics)
                                 : GdipCreateFromHDC(dc, &graphics));
    *slot = graphics;
    return ok;
}

bool Graphics::FromImage(const Image& image) {
    auto** slot = Receive();
    gp::GpGraphics* graphics = nullptr;
    const bool ok = Track(GdipGetImageGraphicsContext(image.Handle(), &graphics));
    *slot = graphics;
    return ok;
}

bool Graphics::SetCompositingQuality(gp::CompositingQuality quality) {
    return Handle() && Track(GdipSetCompositingQuality(Handle(), quality));
}

bool Graphics::SetCompositingMode(gp::CompositingMode mode) {
    return Handle() && Track(GdipSetCompositingMode(Handle(), mode));
}

bool Graphics::SetInterpolationMode(gp::InterpolationMode mode) {
    return Handle() && Track(GdipSetInterpolationMode(Handle(), mode));
}

bool Graphics::SetSmoothingMode(gp::SmoothingMode mode) {
    return Handle() && Track(GdipSetSmoothingMode(Handle(), mode));
}

bool Graphics::SetPixelOffsetMode(gp::PixelOffsetMode mode) {
    return Handle() && Track(GdipSetPixelOffsetMode(Handle(), mode));
}

bool Graphics::SetTextRenderingHint(gp::TextRenderingHint hint) {
    return Handle() && Track(GdipSetTextRenderingHint(Handle(), hint));
}

bool Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return Handle() && Track(GdipDrawLine(Handle(), pen.Handle(), x1, y1, x2, y2));
}

bool Graphics::DrawRectangle(const Pen& pen, const RectF& r) {
    return Handle() &&
           Track(GdipDrawRectangle(Handle(), pen.Handle(), r.x, r.y, r.width, r.height));
}

bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
    return Handle() && Track(GdipDrawPath(Handle(), pen.Handle(), path.Handle()));
}

bool Graphics::Clear(Argb colour) {
    return Handle() && Track(GdipGraphicsClear(Handle(), colour));
}

bool Graphics::FillRectangle(const Brush& brush, const RectF& r) {
    return Handle() &&
           Track(GdipFillRectangle(Handle(), brush.Handle(), r.x, r.y, r.width, r.height));
}

bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
    return Handle() && Track(GdipFillPath(Handle(), brush.Handle(), path.Handle()));
}

bool Graphics::DrawString(std::string_view text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
    if (!Handle()) return false;
    const std::wstring wide = Widen(text);
    const gp::RectF rect(layout.x, layout.y, layout.width, layout.height);
    return Track(GdipDrawString(Handle(), wide.c_str(), static_cast<INT>(wide.size()),
                                font.Handle(), &rect, format ? format->Handle() : nullptr,
                                brush.Handle()));
}

std::optional<RectF> Graphics::MeasureString(std::string_view text, const Font& font,
                                             const RectF& layout, const StringFormat* format) {
    if (!Handle()) return std::nullopt;
    const std::wstring wide = Widen(text);
    const gp::RectF rect(layout.x, layout.y, layout.width, layout.height);
    gp::RectF bounds;
    if (!Track(GdipMeasureString(Handle(), wide.c_str(), static_cast<INT>(wide.size()),
                                 font.Handle(), &rect, format ? format->Handle() : nullptr, &bounds,
                                 nullptr, nullptr))) {
        return std::nullopt;
    }
    return RectF{bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

bool Graphics::DrawImage(const Image& image, float x, float y) {
    return Handle() && Track(GdipDrawImage(Handle(), image.Handle(), x, y));
}

bool Graphics::DrawImageRect(const Image& image, const RectF& d, gp::Unit sourceUnit) {
    if (!Handle() || !image) return false;
    const auto width = static_cast<float>(image.Width());
    const auto height = static_cast<float>(image.Height());
    return Track(GdipDrawImageRectRect(Handle(), image.Handle(), d.x, d.y, d.width, d.height, 0, 0,
                                       width, height, sourceUnit, nullptr, nullptr, nullptr));
}

bool Graphics::SetClipPath(const GraphicsPath& path, gp::CombineMode mode) {
    return Handle() && Track(GdipSetClipPath(Handle(), path.Handle(), mode));
}

bool Graphics::SetClipRect(const RectF& r, gp::CombineMode mode) {
    return Handle() && Track(GdipSetClipRect(Handle(), r.x, r.y, r.width, r.height, mode));
}

bool Graphics::ResetClip() {
    return Handle() && Track(GdipResetClip(Handle()));
}

bool Graphics::Flush() {
    return Handle() && Track(GdipFlush(Handle(), gp::FlushIntentionSync));
}

}  // namespace yf::gfx
