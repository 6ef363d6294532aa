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

// The moment the three captions stand for: that time of day today when it is now or later,
// otherwise tomorrow (the next calendar day, across month and year ends). No moment when the
// captions do not make a time of day (a field empty, out of range or not plain decimal).
std::optional<DateTime> NextOccurrence(const DateTime& now, std::string_view hour,
                                       std::string_view minute, std::string_view second);

// The next hour and the next minute after `now`, each wrapped to "00" past its range; the
// two are independent, so 10:59 proposes "11" and "00".
ProposedTime ProposeNextHourAndMinute(const DateTime& now);

}  // namespace yf
