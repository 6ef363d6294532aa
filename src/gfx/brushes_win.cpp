#include "gfx/brushes_win.h"

#include <vector>

#include "gfx/graphics_win.h"

namespace yf::gfx {
namespace {

// GDI+ spells ARGB as a DWORD.
std::vector<gp::ARGB> ToGdiplus(std::span<const Argb> colours) {
    return std::vector<gp::ARGB>(colours.begin(), colours.end());
}

}  // namespace

int Brush::Type() const {
    gp::GpBrushType type{};
    if (!Handle() || !Track(GdipGetBrushType(Handle(), &type))) return -1;
    return static_cast<int>(type);
}

bool SolidBrush::Create(Argb colour) {
    auto** slot = ReceiveBrush();
    gp::GpSolidFill* fill = nullptr;
    const bool ok = Track(GdipCreateSolidFill(colour, &fill));
    *slot = fill;
    return ok;
}

bool LinearGradientBrush::Create(PointF start, PointF end, Argb from, Argb to) {
    auto** slot = ReceiveBrush();
    const gp::PointF a(start.x, start.y);
    const gp::PointF b(end.x, end.y);
    gp::GpLineGradient* line = nullptr;
    const bool ok = Track(GdipCreateLineBrush(&a, &b, from, to, gp::WrapModeTile, &line));
    *slot = line;
    return ok;
}

bool LinearGradientBrush::SetPresetBlend(std::span<const Argb> colours,
                                         std::span<const float> positions) {
    if (!Handle() || colours.size() != positions.size()) return false;
    const std::vector<gp::ARGB> argb = ToGdiplus(colours);
    return Track(GdipSetLinePresetBlend(Line(), argb.data(), positions.data(),
                                        static_cast<INT>(colours.size())));
}

bool LinearGradientBrush::SetLinearBlend(float focus, float scale) {
    return Handle() && Track(GdipSetLineLinearBlend(Line(), focus, scale));
}

bool PathGradientBrush::FromPath(const GraphicsPath& path) {
    auto** slot = ReceiveBrush();
    gp::GpPathGradient* gradient = nullptr;
    const bool ok = Track(GdipCreatePathGradientFromPath(path.Handle(), &gradient));
    *slot = gradient;
    return ok;
}

bool PathGradientBrush::SetCenterColor(Argb colour) {
    return Handle() && Track(GdipSetPathGradientCenterColor(Gradient(), colour));
}

bool PathGradientBrush::SetSurroundColors(std::span<const Argb> colours) {
    if (!Handle()) return false;
    const std::vector<gp::ARGB> argb = ToGdiplus(colours);
    INT count = static_cast<INT>(argb.size());
    return Track(GdipSetPathGradientSurroundColorsWithCount(Gradient(), argb.data(), &count));
}

bool Pen::Create(Argb colour, float width, gp::Unit unit) {
    auto** slot = Receive();
    gp::GpPen* pen = nullptr;
    const bool ok = Track(GdipCreatePen1(colour, width, unit, &pen));
    *slot = pen;
    return ok;
}

bool Pen::FromBrush(const Brush& brush, float width, gp::Unit unit) {
    auto** slot = Receive();
    gp::GpPen* pen = nullptr;
    const bool ok = Track(GdipCreatePen2(brush.Handle(), width, unit, &pen));
    *slot = pen;
    return ok;
}

bool Pen::SetWidth(float width) {
    return Handle() && Track(GdipSetPenWidth(Handle(), width));
}

}  // namespace yf::gfx
