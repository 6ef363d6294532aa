// Paths and drawing surfaces.
#pragma once

#include <optional>
#include <string_view>

#include "gfx/argb.h"
#include "gfx/brushes_win.h"
#include "gfx/figure.h"
#include "gfx/gdiplus_win.h"

namespace yf::gfx {

class Image;
class Font;
class StringFormat;

class GraphicsPath : public GdiplusObject<gp::GpPath, GdipDeletePath> {
  public:
    bool Create(gp::FillMode fillMode = gp::FillModeAlternate);
    bool Reset();
    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddArc(const RectF& bounds, float startAngle, float sweepAngle);
    bool AddRectangle(const RectF& rect);
    bool AddEllipse(const RectF& rect);
    bool StartFigure();
    bool CloseFigure();
    // The figure's segments as one new figure, closed when the figure is.
    bool AddFigure(const Figure& figure);
};

class Graphics : public GdiplusObject<gp::GpGraphics, GdipDeleteGraphics> {
  public:
    bool FromHdc(HDC dc, HANDLE device = nullptr);
    bool FromImage(const Image& image);

    bool SetCompositingQuality(gp::CompositingQuality quality);
    bool SetCompositingMode(gp::CompositingMode mode);
    bool SetInterpolationMode(gp::InterpolationMode mode);
    bool SetSmoothingMode(gp::SmoothingMode mode);
    bool SetPixelOffsetMode(gp::PixelOffsetMode mode);
    bool SetTextRenderingHint(gp::TextRenderingHint hint);

    bool DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool DrawRectangle(const Pen& pen, const RectF& rect);
    bool DrawPath(const Pen& pen, const GraphicsPath& path);
    bool Clear(Argb colour);
    bool FillRectangle(const Brush& brush, const RectF& rect);
    bool FillPath(const Brush& brush, const GraphicsPath& path);

    // UTF-8 text; a null format means GDI+'s default one.
    bool DrawString(std::string_view text, const Font& font, const RectF& layout,
                    const StringFormat* format, const Brush& brush);
    std::optional<RectF> MeasureString(std::string_view text, const Font& font, const RectF& layout,
                                       const StringFormat* format);

    // The image at its own size (as GDI+ derives it from the image's resolution).
    bool DrawImage(const Image& image, float x, float y);
    // The whole image scaled into `destination`.
    bool DrawImageRect(const Image& image, const RectF& destination,
                       gp::Unit sourceUnit = gp::UnitPixel);

    bool SetClipPath(const GraphicsPath& path, gp::CombineMode mode = gp::CombineModeReplace);
    bool SetClipRect(const RectF& rect, gp::CombineMode mode = gp::CombineModeReplace);
    bool ResetClip();
    // Lets pending drawing reach the surface before GDI works on it.
    bool Flush();
};

}  // namespace yf::gfx
