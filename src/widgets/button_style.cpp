#include "widgets/button_style.h"

namespace yf {
namespace {
constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
}  // namespace

ButtonColours IconButtonColours(bool hovered, bool focused) {
    if (hovered) return {Rgb(192, 96, 0), Rgb(255, 255, 255)};
    if (focused) return {Rgb(0, 0, 0), Rgb(240, 240, 240)};
    return {Rgb(255, 128, 0), Rgb(240, 240, 240)};
}

}  // namespace yf
