#include "gfx/pixels_win.h"

#include <cstring>

namespace yf::gfx {

PixelBuffer ReadPixels(const Bitmap& bitmap) {
    const int width = static_cast<int>(bitmap.Width());
    const int height = static_cast<int>(bitmap.Height());
    if (width <= 0 || height <= 0) return {};
    PixelBuffer pixels(width, height);
    // Locking with our own buffer lets GDI+ convert straight into it.
    gp::BitmapData data{};
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(height);
    data.Stride = width * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = pixels.pixels.data();
    const gp::GpRect all(0, 0, width, height);
    if (!Track(GdipBitmapLockBits(bitmap.BitmapHandle(), &all,
                                  gp::ImageLockModeRead | gp::ImageLockModeUserInputBuf,
                                  PixelFormat32bppPARGB, &data))) {
        return {};
    }
    Track(GdipBitmapUnlockBits(bitmap.BitmapHandle(), &data));
    pixels.opaque = !bitmap.HasAlpha();
    if (!pixels.opaque) {
        // An alpha channel that is opaque everywhere still allows plain copies.
        pixels.opaque = true;
        for (std::uint32_t p : pixels.pixels) {
            if ((p >> 24) != 0xFF) {
                pixels.opaque = false;
                break;
            }
        }
    }
    return pixels;
}

PixelBuffer DecodePicture(std::span<const std::uint8_t> bytes) {
    Bitmap bitmap;
    if (!bitmap.FromBytes(bytes)) return {};
    return ReadPixels(bitmap);
}

bool ToBitmap(const PixelBuffer& pixels, Bitmap& bitmap) {
    if (pixels.empty() || !bitmap.Create(pixels.width, pixels.height, PixelFormat32bppPARGB)) {
        return false;
    }
    gp::BitmapData data{};
    data.Width = static_cast<UINT>(pixels.width);
    data.Height = static_cast<UINT>(pixels.height);
    data.Stride = pixels.width * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = const_cast<std::uint32_t*>(pixels.pixels.data());
    const gp::GpRect all(0, 0, pixels.width, pixels.height);
    if (!Track(GdipBitmapLockBits(bitmap.BitmapHandle(), &all,
                                  gp::ImageLockModeWrite | gp::ImageLockModeUserInputBuf,
                                  PixelFormat32bppPARGB, &data))) {
        return false;
    }
    return Track(GdipBitmapUnlockBits(bitmap.BitmapHandle(), &data));
}

}  // namespace yf::gfx
