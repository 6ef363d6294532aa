// A COM stream over movable global memory: how pictures carried as bytes reach GDI+, and how
// encoded pictures come back out as bytes.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <cstdint>
#include <span>
#include <vector>

namespace yf::gfx {

class MemoryStream {
  public:
    MemoryStream() = default;
    ~MemoryStream() { Close(); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;

    // A stream over a copy of `bytes` (empty bytes: an empty stream to write into); null on
    // failure. Whatever the object held before is closed first.
    IStream* OpenBytes(std::span<const std::uint8_t> bytes);
    // Takes over an existing stream on global memory.
    bool Attach(IStream* stream);
    void Close();

    // Bytes in the stream (its own size, which the global block may exceed).
    std::size_t Size() const;
    std::vector<std::uint8_t> ToBytes() const;

    IStream* Stream() const { return stream_; }
    HGLOBAL Memory() const { return memory_; }

  private:
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace yf::gfx
