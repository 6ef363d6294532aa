#include "core/picture_scale.h"

#include "core/dpi_scale.h"

namespace yf {

int NearestAtOrAbove(int needed, std::span<const int> available) {
    int atOrAbove = 0;
    int largest = 0;
    for (const int size : available) {
        if (size >= needed && (atOrAbove == 0 || size < atOrAbove)) atOrAbove = size;
        if (size > largest) largest = size;
    }
    return atOrAbove != 0 ? atOrAbove : largest;
}

int PictureScaleForDpi(int dpi, std::span<const int> available) {
    return NearestAtOrAbove(DpiScale(dpi).Percent(), available);
}

std::wstring ScaledPictureName(std::wstring_view name, int percent) {
    std::wstring scaled(name);
    if (percent != 100) scaled += L"_" + std::to_wstring(percent);
    return scaled;
}

std::vector<int> IconGroupSizes(std::span<const std::uint8_t> directory) {
    constexpr size_t kHeader = 6;
    constexpr size_t kEntry = 14;
    const auto word = [&](size_t at) { return directory[at] | (directory[at + 1] << 8); };
    if (directory.size() < kHeader || word(0) != 0 || word(2) != 1) return {};
    const size_t count = word(4);
    if (directory.size() < kHeader + count * kEntry) return {};
    std::vector<int> sizes;
    for (size_t i = 0; i < count; ++i) {
        const int width = directory[kHeader + i * kEntry];
        sizes.push_back(width == 0 ? 256 : width);
    }
    return sizes;
}

}  // namespace yf
