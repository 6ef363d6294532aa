// How much the HTTP client asks for per read: enough for the whole announced body in one go,
// within a fixed ceiling.
#pragma once

#include <cstdint>
#include <optional>

namespace yf {

inline constexpr std::uint32_t kLargestReadChunk = 102400;
inline constexpr std::uint32_t kReadChunkWithoutLength = 10240;
// A time page is a few dozen bytes: a body longer than the largest chunk the client ever asks
// for is not one, and reading on would only hold the reading up.
inline constexpr std::uint32_t kLongestTimePage = kLargestReadChunk;

// Content-Length + 1, at most kLargestReadChunk; kReadChunkWithoutLength when the response
// announces no length or one of 0 or less.
std::uint32_t ReadChunkSize(std::optional<std::int64_t> contentLength);

}  // namespace yf
