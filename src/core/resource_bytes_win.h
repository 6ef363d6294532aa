// The program's pictures and sound are linked in as resources; this reads one back as the
// constant byte array it is (resource memory lives as long as the module).
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace yf {

// An RCDATA resource of the executable by name; empty when it is missing.
std::span<const std::uint8_t> ResourceBytes(const wchar_t* name, HMODULE module = nullptr);

}  // namespace yf
