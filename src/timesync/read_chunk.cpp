#include "timesync/read_chunk.h"

namespace yf {

std::uint32_t ReadChunkSize(std::optional<std::int64_t> contentLength) {
    if (!contentLength || *contentLength <= 0) return kReadChunkWithoutLength;
    if (*contentLength >= kLargestReadChunk) return kLargestReadChunk;
    return static_cast<std::uint32_t>(*contentLength) + 1;
}

}  // namespace yf
