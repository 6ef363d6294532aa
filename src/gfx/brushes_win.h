// Brushes and pens: solid, linear gradient and path gradient fills, and pens made from a
// colour or from a brush.
#pragma once

#include <span>

#include "gfx/argb.h"
#include "gfx/figure.h"
#include "gfx/gdiplus_win.h"

namespace yf::gfx {

class GraphicsPath;

class Brush : public GdiplusObject<gp::GpBrush, GdipDeleteBrush> {
  public:
    // The brush type as GDI+ reports it; -1 for an empty object.
    int Type() const;

  protected:
    gp::GpBrush** ReceiveBrush() { return Receive(); }
};

class SolidBrush : public Brush {
  public:
    bool Create(Argb colour);
};

class LinearGradientBrush : public Brush {
  public:
    // From `start` (colour `from`) to `end` (colour `to`), tiled beyond them.
    bool Create(PointF start, PointF end, Argb from, Argb to);
    bool SetPresetBlend(std::span<const Argb> colours, std::span<const float> positions);
    bool SetLinearBlend(float focus, float scale);

  private:
    gp::GpLineGradient* Line() const { return static_cast<gp::GpLineGradient*>(Handle()); }
};

class PathGradientBrush : public Brush {
  public:
    bool FromPath(const GraphicsPath& path);
    bool SetCenterColor(Argb colour);
    bool SetSurroundColors(std::span<const Argb> colours);

  private:
    gp::GpPathGradient* Gradient() const { return static_cast<gp::GpPathGradient*>(Handle()); }
};

class Pen : public GdiplusObject<gp::GpPen, GdipDeletePen> {
  public:
    bool Create(Argb colour, float width, gp::Unit unit = gp::UnitWorld);
    bool FromBrush(const Brush& brush, float width, gp::Unit unit = gp::UnitWorld);
    bool SetWidth(float width);
};

}  // namespace yf::gfx
