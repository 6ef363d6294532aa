#include "gfx/memory_stream_win.h"

#include <cstring>
#include <utility>

namespace yf::gfx {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        Close();
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

IStream* MemoryStream::OpenBytes(std::span<const std::uint8_t> bytes) {
    Close();
    if (bytes.empty()) {
        // The stream allocates and grows its own block as it is written.
        if (FAILED(::CreateStreamOnHGlobal(nullptr, FALSE, &stream_))) return stream_ = nullptr;
        ::GetHGlobalFromStream(stream_, &memory_);
        return stream_;
    }
    memory_ = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    if (!memory_) return nullptr;
    if (void* target = ::GlobalLock(memory_)) {
        std::memcpy(target, bytes.data(), bytes.size());
        ::GlobalUnlock(memory_);
    }
    if (FAILED(::CreateStreamOnHGlobal(memory_, FALSE, &stream_))) {
        stream_ = nullptr;
        ::GlobalFree(std::exchange(memory_, nullptr));
    }
    return stream_;
}

bool MemoryStream::Attach(IStream* stream) {
    Close();
    if (!stream) return false;
    HGLOBAL memory = nullptr;
    if (FAILED(::GetHGlobalFromStream(stream, &memory))) return false;
    memory_ = memory;
    stream_ = stream;
    return true;
}

void MemoryStream::Close() {
    if (!stream_) return;
    std::exchange(stream_, nullptr)->Release();
    if (memory_) ::GlobalFree(std::exchange(memory_, nullptr));
}

std::size_t MemoryStream::Size() const {
    if (!stream_) return 0;
    STATSTG stat{};
    if (FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
    return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

std::vector<std::uint8_t> MemoryStream::ToBytes() const {
    std::vector<std::uint8_t> bytes(Size());
    if (bytes.empty() || !memory_) return bytes;
    const void* source = ::GlobalLock(memory_);
    if (!source) return {};
    std::memcpy(bytes.data(), source, bytes.size());
    ::GlobalUnlock(memory_);
    return bytes;
}

}  // namespace yf::gfx
