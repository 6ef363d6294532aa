#include "core/scaled_resources_win.h"

#include <string>
#include <vector>

#include "core/dpi_scale.h"
#include "core/picture_scale.h"
#include "core/resource_bytes_win.h"

namespace yf {

ScaledPicture PictureForDpi(const wchar_t* name, int dpi, HMODULE module) {
    if (!module) module = ::GetModuleHandleW(nullptr);
    std::vector<int> drawn;
    for (const int percent : kPictureScales) {
        const std::wstring scaled = ScaledPictureName(name, percent);
        if (::FindResourceW(module, scaled.c_str(), RT_RCDATA)) drawn.push_back(percent);
    }
    const int percent = PictureScaleForDpi(dpi, drawn);
    if (percent == 0) return {};
    return {ResourceBytes(ScaledPictureName(name, percent).c_str(), module), percent};
}

ScaledIcon IconForDpi(const wchar_t* name, int logicalSize, int dpi, HMODULE module) {
    if (!module) module = ::GetModuleHandleW(nullptr);
    HRSRC group = ::FindResourceW(module, name, RT_GROUP_ICON);
    HGLOBAL loaded = group ? ::LoadResource(module, group) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    const std::vector<int> sizes =
        IconGroupSizes({static_cast<const std::uint8_t*>(data), ::SizeofResource(module, group)});
    const int size = NearestAtOrAbove(DpiScale(dpi).Scale(logicalSize), sizes);
    if (size == 0) return {};
    ScaledIcon icon;
    icon.icon.reset(
        static_cast<HICON>(::LoadImageW(module, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    if (icon.icon) icon.size = size;
    return icon;
}

}  // namespace yf
