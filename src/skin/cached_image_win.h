// An off-screen image of a window: a memory DC holding one 32-bit top-down DIB section, so the
// engine can draw on it with GDI and GDI+ and also write its pixels directly.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/unique_handle_win.h"
#include "gfx/pixel_buffer.h"

namespace yf {

class CachedImage {
  public:
    CachedImage() = default;
    ~CachedImage() { Release(); }
    CachedImage(const CachedImage&) = delete;
    CachedImage& operator=(const CachedImage&) = delete;

    // A new width x height bitmap in the DC (made on first use); the previous one is deleted.
    bool Resize(int width, int height);
    // Puts the DC's own bitmap back, then deletes the engine's bitmap and the DC.
    void Release();

    bool Ready() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels, after pending GDI drawing has reached them.
    gfx::PixelView Pixels();

  private:
    UniqueMemoryDc dc_;
    HGDIOBJ original_ = nullptr;
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A 32-bit top-down DIB section; `bits` receives its pixels.
HBITMAP CreateArgbBitmap(int width, int height, std::uint32_t** bits = nullptr);

}  // namespace yf
