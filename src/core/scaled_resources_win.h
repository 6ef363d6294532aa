// The pictures and icons linked into the program come in several drawn sizes; these load the
// one that suits a window's DPI, so a painter draws a picture down to its place and never
// stretches a small one up.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "core/unique_handle_win.h"

namespace yf {

struct ScaledPicture {
    std::span<const std::uint8_t> bytes;  // empty when no variant of the picture is there
    int percent = 0;  // the scale it was drawn at: its size is its 100 % size times this
};

// The RCDATA picture `name` (its 100 % name, a string: numbered resources have no scaled
// names) in the variant drawn for `dpi`: the nearest drawn scale at or above the window's,
// else the largest there is. Variants are found by name ("<name>_125" and so on), so a picture
// that exists only at 100 % is simply that.
ScaledPicture PictureForDpi(const wchar_t* name, int dpi, HMODULE module = nullptr);

struct ScaledIcon {
    UniqueIcon icon;
    int size = 0;  // the image's own size, at least the needed size where the icon has one
};

// The icon resource `name` for a place `logicalSize` pixels square at 96 DPI, in a window at
// `dpi`: the image of the icon nearest at or above the scaled size, loaded at its own size so
// that no system rule picks a smaller one and stretches it up. The caller draws it down to the
// scaled size (DrawIconEx), as the 32-pixel icon is drawn at 16 in the caption today.
ScaledIcon IconForDpi(const wchar_t* name, int logicalSize, int dpi, HMODULE module = nullptr);

}  // namespace yf
