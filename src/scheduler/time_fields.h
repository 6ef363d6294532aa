// The hour, minute and second fields of the schedule entry live in label captions; these are
// the text rules for stepping them with the spinners and for the start-up proposal.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/date_time.h"

namespace yf {

constexpr int kMaxHour = 23;
constexpr int kMaxMinuteOrSecond = 59;

// The caption after one spinner step (+1 up, -1 down), wrapping between max and "00"; any
// caption reads as its leading number, or 0. No caption for any other direction.
std::optional<std::string> SteppedCaption(std::string_view caption, int max, int direction);

struct ProposedTime {
    std::string hour;
    std::string minute;
};

// The next hour and the next minute after `now`, each wrapped to "00" past its range; the
// two are independent, so 10:59 proposes "11" and "00".
ProposedTime ProposeNextHourAndMinute(const DateTime& now);

}  // namespace yf
