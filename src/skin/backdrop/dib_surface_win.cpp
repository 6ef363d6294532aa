#include "skin/backdrop/dib_surface_win.h"

#include <atomic>
#include <utility>

namespace yf {
namespace {

// Painting happens on one thread, but a counter costs nothing to make safe.
std::atomic<std::size_t> live{0};

}  // namespace

HBITMAP CreateArgbBitmap(int width, int height, std::uint32_t** bits) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

DibSurface::DibSurface(int width, int height) {
    std::uint32_t* bits = nullptr;
    UniqueBitmap bitmap(CreateArgbBitmap(width, height, &bits));
    UniqueMemoryDc dc(bitmap ? ::CreateCompatibleDC(nullptr) : nullptr);
    if (!dc) return;
    ++live;
    previous_ = ::SelectObject(dc.get(), bitmap.get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = bits;
    width_ = width;
    height_ = height;
}

bool DibSurface::Resize(int width, int height) {
    std::uint32_t* bits = nullptr;
    UniqueBitmap bitmap(CreateArgbBitmap(width, height, &bits));
    if (!bitmap) {
        Reset();
        return false;
    }
    if (!dc_) {
        dc_.reset(::CreateCompatibleDC(nullptr));
        if (!dc_) return false;
        ++live;
    }
    HGDIOBJ out = ::SelectObject(dc_.get(), bitmap.get());
    if (!previous_) previous_ = out;
    bitmap_ = std::move(bitmap);  // the one it replaces is out of the DC now
    bits_ = bits;
    width_ = width;
    height_ = height;
    return true;
}

DibSurface::DibSurface(DibSurface&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      previous_(std::exchange(other.previous_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept {
    if (this != &other) {
        Reset();
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        previous_ = std::exchange(other.previous_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void DibSurface::Reset() {
    // The bitmap cannot be deleted while a DC still holds it.
    if (dc_ && previous_) ::SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    if (dc_) --live;
    dc_.reset();
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

std::size_t DibSurface::LiveCount() {
    return live.load();
}

gfx::PixelView DibSurface::Pixels() {
    ::GdiFlush();
    return {bits_, width_, height_, width_};
}

}  // namespace yf
