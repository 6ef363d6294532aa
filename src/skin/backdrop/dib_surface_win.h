// A memory DC holding one 32-bit top-down DIB section, so the engine can draw on it with GDI and
// GDI+ and also reach its pixels directly. Move-only: the DC, the bitmap and the selection
// that has to be undone before either is deleted go together.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "core/unique_handle_win.h"
#include "gfx/pixel_buffer.h"

namespace yf {

class DibSurface {
  public:
    DibSurface() = default;
    // Empty when the size is not positive or GDI refuses.
    DibSurface(int width, int height);
    ~DibSurface() { Reset(); }
    DibSurface(DibSurface&& other) noexcept;
    DibSurface& operator=(DibSurface&& other) noexcept;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // A new width x height bitmap in the same DC (made on first use), which keeps the DC's state
    // from one composition to the next; false, and the surface empty, when GDI refuses.
    bool Resize(int width, int height);

    explicit operator bool() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixels, after pending GDI drawing has reached them.
    gfx::PixelView Pixels();

    // Surfaces holding a DC (and their bitmap) in the process now: what the engine keeps in
    // GDI objects, which the system does not count on every platform.
    static std::size_t LiveCount();

  private:
    void Reset();

    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;  // what the new DC held before our bitmap
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A 32-bit top-down DIB section; `bits` receives its pixels.
HBITMAP CreateArgbBitmap(int width, int height, std::uint32_t** bits = nullptr);

}  // namespace yf
