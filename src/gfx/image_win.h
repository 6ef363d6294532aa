// Pictures: GDI+ images and bitmaps. An image made from bytes keeps its own stream over a copy
// of them for as long as it lives, because GDI+ may read the picture lazily.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/unique_handle_win.h"
#include "gfx/argb.h"
#include "gfx/gdiplus_win.h"
#include "gfx/memory_stream_win.h"

namespace yf::gfx {

// Registry form of the PNG format identifier, as encoders are looked up by it.
inline constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

class Image {
  public:
    Image() = default;
    ~Image() { Dispose(); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    gp::GpImage* Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Releases the native image, then the stream it read from. False when there was none.
    bool Dispose();
    bool FromFile(const std::wstring& path, bool colourManaged = false);
    bool FromBytes(std::span<const std::uint8_t> bytes, bool colourManaged = false);

    // Encodes with the encoder whose format identifier reads exactly `formatText` (empty: the
    // image's own format); empty bytes when there is no such encoder or encoding fails.
    std::vector<std::uint8_t> SaveToBytes(std::string_view formatText = kPngFormat,
                                          const gp::EncoderParameters* parameters = nullptr) const;

    unsigned Width() const;
    unsigned Height() const;
    bool RotateFlip(gp::RotateFlipType type);
    // True when the pixel format carries alpha.
    bool HasAlpha() const;

  protected:
    // Takes a new native image; call Dispose() before opening its stream.
    void Adopt(gp::GpImage* handle) { handle_ = handle; }
    MemoryStream& OwnStream() { return stream_; }

  private:
    gp::GpImage* handle_ = nullptr;
    MemoryStream stream_;
};

class Bitmap : public Image {
  public:
    gp::GpBitmap* BitmapHandle() const { return static_cast<gp::GpBitmap*>(Handle()); }

    bool FromFile(const std::wstring& path, bool colourManaged = false);
    bool FromBytes(std::span<const std::uint8_t> bytes, bool colourManaged = false);
    bool Create(int width, int height, gp::PixelFormat format = PixelFormat32bppARGB);
    bool FromIcon(HICON icon);
    // A new GDI bitmap of the picture over `background`; the caller owns it.
    UniqueBitmap ToGdiBitmap(Argb background = 0) const;
    // 0 when the pixel cannot be read.
    Argb GetPixel(int x, int y) const;
    gp::PixelFormat Format() const;
};

// The installed encoder whose format identifier, in registry text form, equals `formatText`.
bool FindEncoder(std::string_view formatText, CLSID& encoder);

}  // namespace yf::gfx
