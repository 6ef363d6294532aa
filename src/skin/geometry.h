// The engine's own geometry: whole-pixel boxes and sizes, the edges a control reports, a rounded
// rectangle. Every part of the engine measures with these, so they live apart from any one of
// them; the floating-point shapes it draws are gfx::RectF and gfx::Figure.
#pragma once

#include "gfx/figure.h"

namespace yf {

// A rectangle in whole pixels, at its top-left corner.
struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelBox&) const = default;
};

struct Size2 {
    int width = 0;
    int height = 0;
    bool operator==(const Size2&) const = default;
};

// A rectangle by its four edges, as the common controls report their parts.
struct Edges {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const Edges&) const = default;
};

struct RoundRect {
    gfx::RectF rect;
    float corner = 0;
    bool operator==(const RoundRect&) const = default;
};

inline gfx::RectF ToRectF(const PixelBox& box) {
    return {static_cast<float>(box.x), static_cast<float>(box.y), static_cast<float>(box.width),
            static_cast<float>(box.height)};
}

// A window docked in a client area below `top`: 2 pixels in from each side, down to
// `bottomReserve` above the bottom edge.
inline PixelBox PlaceDocked(int clientWidth, int clientHeight, int top, int bottomReserve) {
    return {2, top, clientWidth - 4, clientHeight - top - bottomReserve};
}

}  // namespace yf
