#include "gfx/pixels_win.h"

#include <algorithm>
#include <cstring>

namespace yf::gfx {

LockedPixels::LockedPixels(const Bitmap& bitmap) : bitmap_(bitmap) {
    const int width = static_cast<int>(bitmap.Width());
    const int height = static_cast<int>(bitmap.Height());
    if (width <= 0 || height <= 0) return;
    const bool threeBytes = bitmap.Format() == PixelFormat24bppRGB;
    const gp::PixelFormat format = threeBytes ? PixelFormat24bppRGB : PixelFormat32bppPARGB;
    const gp::GpRect all(0, 0, width, height);
    locked_ = Track(
        GdipBitmapLockBits(bitmap.BitmapHandle(), &all, gp::ImageLockModeRead, format, &data_));
    if (!locked_) return;
    source_ = {static_cast<const std::uint8_t*>(data_.Scan0),
               width,
               height,
               data_.Stride,
               threeBytes ? 3 : 4,
               threeBytes || !bitmap.HasAlpha()};
}

LockedPixels::~LockedPixels() {
    if (locked_) Track(GdipBitmapUnlockBits(bitmap_.BitmapHandle(), &data_));
}

PixelBuffer ReadShrunk(const Bitmap& bitmap, int minWidth, int minHeight) {
    PixelBuffer pixels;
    {
        const LockedPixels locked(bitmap);
        if (!locked) return {};
        pixels = ShrinkByHalves(locked.Source(), minWidth, minHeight);
    }
    if (!pixels.opaque) {
        // An alpha channel that is opaque everywhere still allows plain copies.
        pixels.opaque = std::all_of(pixels.pixels.begin(), pixels.pixels.end(),
                                    [](std::uint32_t p) { return (p >> 24) == 0xFF; });
    }
    return pixels;
}

PixelBuffer ReadPixels(const Bitmap& bitmap) {
    return ReadShrunk(bitmap, static_cast<int>(bitmap.Width()), static_cast<int>(bitmap.Height()));
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
