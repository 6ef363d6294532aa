// The read size of the HTTP client around its limits.
#include "timesync/read_chunk.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

TEST(ReadChunkTest, FollowsTheAnnouncedLengthUpToTheCeiling) {
    const std::pair<std::optional<std::int64_t>, std::uint32_t> cases[] = {
        {std::nullopt, 10240}, {0, 10240},       {-1, 10240},      {1, 2},
        {102399, 102400},      {102400, 102400}, {250000, 102400}, {1LL << 40, 102400},
    };
    for (const auto& [length, chunk] : cases) {
        EXPECT_EQ(ReadChunkSize(length), chunk) << length.value_or(-99);
    }
}

}  // namespace
}  // namespace yf
