// Colours as the painters state them (a Windows COLORREF and an opacity) turned into the
// 32-bit ARGB values GDI+ takes.
#pragma once

#include <cstdint>

namespace yf::gfx {

// 0x00BBGGRR, the layout of a Windows COLORREF.
using ColourRef = std::uint32_t;
// 0xAARRGGBB, the layout of a GDI+ ARGB value.
using Argb = std::uint32_t;

constexpr int kOpaque = 255;

constexpr ColourRef MakeColourRef(int r, int g, int b) {
    return static_cast<ColourRef>(r & 0xFF) | (static_cast<ColourRef>(g & 0xFF) << 8) |
           (static_cast<ColourRef>(b & 0xFF) << 16);
}

// alpha * 2^24 + R * 2^16 + G * 2^8 + B; only the low byte of alpha counts.
constexpr Argb MakeArgb(ColourRef colour, int alpha = kOpaque) {
    const Argb r = colour & 0xFF;
    const Argb g = (colour >> 8) & 0xFF;
    const Argb b = (colour >> 16) & 0xFF;
    return (static_cast<Argb>(alpha & 0xFF) << 24) | (r << 16) | (g << 8) | b;
}

constexpr ColourRef kMagenta = MakeColourRef(255, 0, 255);
constexpr ColourRef kWhiteRef = MakeColourRef(255, 255, 255);
constexpr ColourRef kBlackRef = 0;

}  // namespace yf::gfx
