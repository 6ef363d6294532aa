// Between GDI+ bitmaps and plain pixel buffers: a picture is decoded into pixels once, and
// pixels go back into a bitmap when GDI+ is to encode or draw them.
#pragma once

#include <cstdint>
#include <span>

#include "gfx/image_win.h"
#include "gfx/pixel_buffer.h"

namespace yf::gfx {

// The bitmap's pixels, premultiplied; empty when they cannot be read.
PixelBuffer ReadPixels(const Bitmap& bitmap);

// Decodes a PNG or JPEG picture; empty when it does not decode.
PixelBuffer DecodePicture(std::span<const std::uint8_t> bytes);

// A new 32-bit premultiplied bitmap holding a copy of the pixels.
bool ToBitmap(const PixelBuffer& pixels, Bitmap& bitmap);

}  // namespace yf::gfx
