// The private argument of the elevated clock set: what the program writes reads back, and
// anything else asks for nothing or is refused.
#include "timesync/elevated_clock_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace yf {
namespace {

using Kind = PrivateRequest::Kind;

TEST(ElevatedClockSetTest, WrittenOffsetsReadBack) {
    for (std::int64_t offset :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-30'250}, std::int64_t{86'400'000},
          kLargestClockOffsetMs, -kLargestClockOffsetMs}) {
        const PrivateRequest request = ReadPrivateRequest({SetClockArgument(offset)});
        EXPECT_EQ(request.kind, Kind::SetClock) << offset;
        EXPECT_EQ(request.offsetMs, offset);
    }
}

TEST(ElevatedClockSetTest, ArgumentsThatAreNoRequestOrAreRefused) {
    const std::string sw(kSetClockSwitch);
    const std::string overTen = std::to_string(kLargestClockOffsetMs + 1);
    const std::pair<std::vector<std::string>, Kind> cases[] = {
        {{}, Kind::None},
        {{"/s"}, Kind::None},
        {{"--set-clock-offset-ms"}, Kind::None},
        {{"hello", "world"}, Kind::None},
        {{sw}, Kind::Refused},
        {{sw + "abc"}, Kind::Refused},
        {{sw + "12a"}, Kind::Refused},
        {{sw + " 12"}, Kind::Refused},
        {{sw + "12 "}, Kind::Refused},
        {{sw + "+12"}, Kind::Refused},
        {{sw + "012"}, Kind::Refused},
        {{sw + "-0"}, Kind::Refused},
        {{sw + "-"}, Kind::Refused},
        {{sw + "1.5"}, Kind::Refused},
        {{sw + "１２"}, Kind::Refused},  // full-width digits
        {{sw + overTen}, Kind::Refused},
        {{sw + "-" + overTen}, Kind::Refused},
        {{sw + "99999999999999999999999"}, Kind::Refused},  // beyond 64 bits
        {{sw + "12", "extra"}, Kind::Refused},
        {{"extra", sw + "12"}, Kind::Refused},
        {{sw + "12", sw + "12"}, Kind::Refused},
    };
    for (const auto& [arguments, kind] : cases) {
        const std::string shown = arguments.empty() ? "(none)" : arguments[0];
        EXPECT_EQ(ReadPrivateRequest(arguments).kind, kind) << shown;
    }
}

}  // namespace
}  // namespace yf
