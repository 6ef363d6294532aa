// Between GDI+ bitmaps and plain pixel buffers: a picture is decoded into pixels once, and
// pixels go back into a bitmap when GDI+ is to encode or draw them.
#pragma once

#include <cstdint>
#include <span>

#include "gfx/image_win.h"
#include "gfx/pixel_buffer.h"

namespace yf::gfx {

// A bitmap's pixels locked for reading for one scope: decoded JPEGs (24-bit) in place,
// anything else converted to premultiplied 32-bit pixels.
class LockedPixels {
  public:
    explicit LockedPixels(const Bitmap& bitmap);
    ~LockedPixels();
    LockedPixels(const LockedPixels&) = delete;
    LockedPixels& operator=(const LockedPixels&) = delete;

    explicit operator bool() const { return locked_; }
    const SourcePixels& Source() const { return source_; }

  private:
    const Bitmap& bitmap_;
    gp::BitmapData data_{};
    SourcePixels source_;
    bool locked_ = false;
};

// The bitmap's pixels, premultiplied; empty when they cannot be read.
PixelBuffer ReadPixels(const Bitmap& bitmap);

// The bitmap's pixels shrunk by halves as far as they stay at least minWidth x minHeight
// (ShrinkByHalves), read straight from the decoded picture where its format allows.
PixelBuffer ReadShrunk(const Bitmap& bitmap, int minWidth, int minHeight);

// Decodes a PNG or JPEG picture; empty when it does not decode.
PixelBuffer DecodePicture(std::span<const std::uint8_t> bytes);

// A new 32-bit premultiplied bitmap holding a copy of the pixels.
bool ToBitmap(const PixelBuffer& pixels, Bitmap& bitmap);

}  // namespace yf::gfx
