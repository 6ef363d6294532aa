#include "gfx/image_win.h"

#include <vector>

#include "core/wide_text_win.h"

namespace yf::gfx {

Image::Image(Image&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), stream_(std::move(other.stream_)) {}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        Dispose();
        handle_ = std::exchange(other.handle_, nullptr);
        stream_ = std::move(other.stream_);
    }
    return *this;
}

bool Image::Dispose() {
    if (!handle_) {
        stream_.Close();
        return false;
    }
    // The native image may still read from the stream until it is gone: stream last.
    const bool ok = Track(GdipDisposeImage(std::exchange(handle_, nullptr)));
    stream_.Close();
    return ok;
}

bool Image::FromFile(const std::wstring& path, bool colourManaged) {
    Dispose();
    gp::GpImage* image = nullptr;
    const gp::GpStatus status = colourManaged ? GdipLoadImageFromFileICM(path.c_str(), &image)
                                              : GdipLoadImageFromFile(path.c_str(), &image);
    handle_ = status == gp::Ok ? image : nullptr;
    return Track(status);
}

bool Image::FromBytes(std::span<const std::uint8_t> bytes, bool colourManaged) {
    Dispose();
    IStream* stream = stream_.OpenBytes(bytes);
    if (!stream || bytes.empty()) {
        stream_.Close();
        return Track(gp::InvalidParameter);
    }
    gp::GpImage* image = nullptr;
    const gp::GpStatus status = colourManaged ? GdipLoadImageFromStreamICM(stream, &image)
                                              : GdipLoadImageFromStream(stream, &image);
    if (status != gp::Ok) {
        stream_.Close();
        return Track(status);
    }
    handle_ = image;
    return Track(status);
}

bool FindEncoder(std::string_view formatText, CLSID& encoder) {
    UINT count = 0;
    UINT size = 0;
    if (!Track(GdipGetImageEncodersSize(&count, &size)) || size == 0) return false;
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(buffer.data());
    if (!Track(GdipGetImageEncoders(count, size, codecs))) return false;
    for (UINT i = 0; i < count; ++i) {
        wchar_t text[40] = {};
        if (!::StringFromGUID2(codecs[i].FormatID, text, 40)) continue;
        if (Narrow(text) == formatText) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

std::vector<std::uint8_t> Image::SaveToBytes(std::string_view formatText,
                                             const gp::EncoderParameters* parameters) const {
    if (!handle_) return {};
    std::string ownFormat;
    if (formatText.empty()) {
        GUID raw{};
        if (!Track(GdipGetImageRawFormat(handle_, &raw))) return {};
        wchar_t text[40] = {};
        ::StringFromGUID2(raw, text, 40);
        ownFormat = Narrow(text);
        formatText = ownFormat;
    }
    CLSID encoder{};
    if (!FindEncoder(formatText, encoder)) return {};
    MemoryStream output;
    IStream* stream = output.OpenBytes({});
    if (!stream) return {};
    if (!Track(GdipSaveImageToStream(handle_, stream, &encoder, parameters))) return {};
    return output.ToBytes();
}

unsigned Image::Width() const {
    UINT width = 0;
    if (handle_) Track(GdipGetImageWidth(handle_, &width));
    return width;
}

unsigned Image::Height() const {
    UINT height = 0;
    if (handle_) Track(GdipGetImageHeight(handle_, &height));
    return height;
}

bool Image::RotateFlip(gp::RotateFlipType type) {
    return handle_ && Track(GdipImageRotateFlip(handle_, type));
}

bool Image::HasAlpha() const {
    gp::PixelFormat format = 0;
    if (!handle_ || !Track(GdipGetImagePixelFormat(handle_, &format))) return false;
    return (format & PixelFormatAlpha) != 0;
}

bool Bitmap::FromFile(const std::wstring& path, bool colourManaged) {
    Dispose();
    gp::GpBitmap* bitmap = nullptr;
    const gp::GpStatus status = colourManaged ? GdipCreateBitmapFromFileICM(path.c_str(), &bitmap)
                                              : GdipCreateBitmapFromFile(path.c_str(), &bitmap);
    if (status == gp::Ok) Adopt(bitmap);
    return Track(status);
}

bool Bitmap::FromBytes(std::span<const std::uint8_t> bytes, bool colourManaged) {
    Dispose();
    IStream* stream = OwnStream().OpenBytes(bytes);
    if (!stream || bytes.empty()) {
        OwnStream().Close();
        return Track(gp::InvalidParameter);
    }
    gp::GpBitmap* bitmap = nullptr;
    const gp::GpStatus status = colourManaged ? GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                              : GdipCreateBitmapFromStream(stream, &bitmap);
    if (status != gp::Ok) {
        OwnStream().Close();
        return Track(status);
    }
    Adopt(bitmap);
    return Track(status);
}

bool Bitmap::Create(int width, int height, gp::PixelFormat format) {
    Dispose();
    gp::GpBitmap* bitmap = nullptr;
    const gp::GpStatus status =
        GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap);
    if (status == gp::Ok) Adopt(bitmap);
    return Track(status);
}

bool Bitmap::FromIcon(HICON icon) {
    Dispose();
    gp::GpBitmap* bitmap = nullptr;
    const gp::GpStatus status = GdipCreateBitmapFromHICON(icon, &bitmap);
    if (status == gp::Ok) Adopt(bitmap);
    return Track(status);
}

UniqueBitmap Bitmap::ToGdiBitmap(Argb background) const {
    HBITMAP result = nullptr;
    if (!Handle() || !Track(GdipCreateHBITMAPFromBitmap(BitmapHandle(), &result, background))) {
        return UniqueBitmap();
    }
    return UniqueBitmap(result);
}

Argb Bitmap::GetPixel(int x, int y) const {
    gp::ARGB colour = 0;
    if (Handle()) Track(GdipBitmapGetPixel(BitmapHandle(), x, y, &colour));
    return colour;
}

gp::PixelFormat Bitmap::Format() const {
    gp::PixelFormat format = 0;
    if (Handle()) Track(GdipGetImagePixelFormat(Handle(), &format));
    return format;
}

}  // namespace yf::gfx
