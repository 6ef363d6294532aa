// The read size of the HTTP client around its limits.
#include "timesync/read_chunk.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(ReadChunkTest, FollowsTheAnnouncedLengthUpToTheCeiling) {
    struct Case {
        std::optional<std::int64_t> contentLength;
        std::uint32_t chunk;
    };
    const Case cases[] = {
        {std::nullopt, 10240},
        {0, 10240},
        {-1, 10240},
        {1, 2},
        {40, 41},
        {102398, 102399},
        {102399, 102400},
        {102400, 102400},
        {250000, 102400},
        {1LL << 40, 102400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadChunkSize(c.contentLength), c.chunk) << c.contentLength.value_or(-99);
    }
}

}  // namespace
}  // namespace yf
