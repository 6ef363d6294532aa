// Pictures are drawn by the asset scripts at a few display scalings; these rules pick the one a
// window needs. A picture is only ever drawn down to its place, never stretched up: stretching up
// is what makes a small picture blurry, while drawing a slightly larger one down stays sharp.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace yf {

// The scalings, in percent, that every glyph, icon and gallery picture is drawn at.
inline constexpr int kPictureScales[] = {100, 125, 150, 200};

// Among the available sizes (or scales), the smallest that is at least `needed`; the largest
// when none is that big; 0 when none is available. The order of `available` does not matter.
int NearestAtOrAbove(int needed, std::span<const int> available);

// The scale, in percent, of the picture a window at `dpi` uses among the drawn scales.
int PictureScaleForDpi(int dpi, std::span<const int> available = kPictureScales);

// The resource name of a picture drawn at `percent`: the name itself at 100 % (the resources
// that existed before there were scaled pictures keep their names), "<name>_<percent>" else.
std::wstring ScaledPictureName(std::wstring_view name, int percent);

// The image sizes of an icon resource, read from its group directory (RT_GROUP_ICON data: a
// 6-byte header, then one 14-byte entry per image whose first byte is the width, 0 meaning 256).
// Empty when the bytes are not such a directory.
std::vector<int> IconGroupSizes(std::span<const std::uint8_t> directory);

}  // namespace yf
