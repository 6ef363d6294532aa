// The program's one private command line: the program asking itself, started elevated, to set
// the clock to its own clock plus an offset. Users have no command line; this one is internal.
// The offset, not an instant, travels, so the time the user spends on the consent prompt does
// not matter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace yf {

inline constexpr std::string_view kSetClockSwitch = "--set-clock-offset-ms=";
// Ten years of 365 days and the three leap days ten years can hold.
inline constexpr std::int64_t kLargestClockOffsetMs = 3653LL * 86400 * 1000;

// Exit codes of the elevated run.
namespace elevated_exit {
constexpr int kSet = 0;
constexpr int kRefused = 1;     // the system did not set the clock
constexpr int kBadRequest = 2;  // the argument was refused; nothing was done
}  // namespace elevated_exit

// The one argument that asks for a set by `offsetMs`.
std::string SetClockArgument(std::int64_t offsetMs);

struct PrivateRequest {
    enum class Kind { None, SetClock, Refused };
    Kind kind = Kind::None;
    std::int64_t offsetMs = 0;
};

// What the arguments after the program's name ask for. None: no private request at all, the
// program starts as usual. SetClock: exactly one argument, the switch with a whole number in
// plain decimal (a minus sign, no plus, no leading zeros, no blanks) within ten years either
// way. Refused: the switch in any other form or with other arguments beside it.
PrivateRequest ReadPrivateRequest(const std::vector<std::string>& arguments);

}  // namespace yf
