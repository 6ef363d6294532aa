// Every size the program lays out is written for 96 DPI (100 % display scaling). DpiScale turns
// such a size into device pixels at a window's DPI, rounding the way Windows' MulDiv does, so that
// every layout, font and painter asks one object and no two places round differently.
#pragma once

#include <cstdint>

namespace yf {

// The DPI every logical size of the program is written for.
inline constexpr int kBaseDpi = 96;

// number * numerator / denominator, computed in 64 bits and rounded to the nearest integer with
// halves going away from zero (2.5 -> 3, -2.5 -> -3), as Windows' MulDiv documents it; -1 when
// the denominator is 0 or the result does not fit an int, as MulDiv returns.
constexpr int MulDivRounded(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = std::int64_t{number} * numerator;
    std::int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t quotient =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (quotient > INT32_MAX || quotient < INT32_MIN) return -1;
    return static_cast<int>(quotient);
}

// One window's scale: its DPI over 96.
class DpiScale {
  public:
    // A DPI of 0 or less (a failed query) counts as 96: an unscaled window is better than none.
    constexpr explicit DpiScale(int dpi = kBaseDpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr bool IsBase() const { return dpi_ == kBaseDpi; }
    // 100 at 96 DPI, 125 at 120, 150 at 144, 175 at 168, 200 at 192.
    constexpr int Percent() const { return MulDivRounded(dpi_, 100, kBaseDpi); }

    // A length, offset or coordinate written for 96 DPI, in device pixels.
    constexpr int Scale(int logical) const { return MulDivRounded(logical, dpi_, kBaseDpi); }
    // Back from device pixels to the 96-DPI units the layout is written in (mouse positions
    // tested against logical rules).
    constexpr int Unscale(int device) const { return MulDivRounded(device, kBaseDpi, dpi_); }
    // For sizes handed to GDI+ as floats (radii, pen offsets) that need no rounding.
    constexpr float ScaleF(float logical) const {
        return logical * static_cast<float>(dpi_) / static_cast<float>(kBaseDpi);
    }

    // The width of a drawn line or frame in whole pixels. It grows only by whole multiples of
    // the scale (rounded down), so a one-pixel hairline stays one pixel up to 200 % instead of
    // turning into a heavy two-pixel line at 150 %, and it never vanishes: a line of 1 or more
    // is at least 1 pixel wide. Zero stays zero (no line).
    constexpr int Line(int logicalWidth) const {
        if (logicalWidth <= 0) return 0;
        const int whole = static_cast<int>(std::int64_t{logicalWidth} * dpi_ / kBaseDpi);
        return whole < 1 ? 1 : whole;
    }

    // A font's character height (the layout's positive pixel height, which the font is asked
    // for as a negative LOGFONT height) at this DPI. Never below 1, so a scaled font is never
    // the "default height" that a LOGFONT height of 0 means.
    constexpr int FontHeight(int logicalCharHeight) const {
        const int height = Scale(logicalCharHeight);
        return height < 1 ? 1 : height;
    }

    // A rectangle given as left, top, width, height (the layout table's form). Its edges are
    // scaled, not its width: the right edge is Scale(left + width). Two rectangles that touch at
    // 96 DPI then touch at every DPI, and one inside another stays inside, because a shared edge
    // maps to the same pixel. Scaling the width alone would open or close one-pixel gaps
    // between neighbours; the cost is that two equal widths at different places may differ by
    // one pixel.
    template <typename Rect>
    requires requires(Rect r) {
        r.left;
        r.top;
        r.width;
        r.height;
    }
    constexpr Rect ScaleRect(Rect rect) const {
        const int right = Scale(rect.left + rect.width);
        const int bottom = Scale(rect.top + rect.height);
        rect.left = Scale(rect.left);
        rect.top = Scale(rect.top);
        rect.width = right - rect.left;
        rect.height = bottom - rect.top;
        return rect;
    }
    // A rectangle given by its edges (a RECT): each edge scaled, for the same reason.
    template <typename Rect>
    requires requires(Rect r) {
        r.left;
        r.top;
        r.right;
        r.bottom;
    }
    constexpr Rect ScaleEdges(Rect rect) const {
        rect.left = Scale(rect.left);
        rect.top = Scale(rect.top);
        rect.right = Scale(rect.right);
        rect.bottom = Scale(rect.bottom);
        return rect;
    }
    // A point (POINT or anything with x and y).
    template <typename Point>
    requires requires(Point p) {
        p.x;
        p.y;
    }
    constexpr Point ScalePoint(Point point) const {
        point.x = Scale(point.x);
        point.y = Scale(point.y);
        return point;
    }

    // A value already scaled for another DPI, brought to this one (a window that moved to a
    // monitor of another DPI keeps sizes the user or the system gave it in pixels).
    constexpr int FromDpi(int device, int otherDpi) const {
        return otherDpi > 0 ? MulDivRounded(device, dpi_, otherDpi) : device;
    }

    friend constexpr bool operator==(DpiScale, DpiScale) = default;

  private:
    int dpi_;
};

}  // namespace yf
