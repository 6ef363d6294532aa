#include "skin/cached_image_win.h"

namespace yf {

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

bool CachedImage::Resize(int width, int height) {
    std::uint32_t* bits = nullptr;
    UniqueBitmap bitmap(CreateArgbBitmap(width, height, &bits));
    if (!bitmap) return false;
    if (!dc_) dc_.reset(::CreateCompatibleDC(nullptr));
    if (!dc_) return false;
    HGDIOBJ previous = ::SelectObject(dc_.get(), bitmap.get());
    if (!original_) original_ = previous;
    bitmap_ = std::move(bitmap);  // the bitmap it replaces is out of the DC now
    bits_ = bits;
    width_ = width;
    height_ = height;
    return true;
}

void CachedImage::Release() {
    if (dc_ && original_) ::SelectObject(dc_.get(), original_);
    original_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

gfx::PixelView CachedImage::Pixels() {
    ::GdiFlush();
    return {bits_, width_, height_, width_};
}

}  // namespace yf
