#include "core/resource_bytes_win.h"

namespace yf {

std::span<const std::uint8_t> ResourceBytes(const wchar_t* name, HMODULE module) {
    if (!module) module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return {};
    HGLOBAL loaded = ::LoadResource(module, info);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), ::SizeofResource(module, info)};
}

}  // namespace yf
