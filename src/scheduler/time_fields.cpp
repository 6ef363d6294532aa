#include "scheduler/time_fields.h"

#include <cmath>

#include "core/text_number.h"

namespace yf {
namespace {

// Captions are short, but a label may be given any text: keep the arithmetic in range.
long long WholePart(double value) {
    constexpr double kLimit = 1e15;
    return static_cast<long long>(std::trunc(std::fmax(-kLimit, std::fmin(kLimit, value))));
}

}  // namespace

std::optional<std::string> SteppedCaption(std::string_view caption, int max, int direction) {
    const double value = TextToNumber(caption);
    if (direction == 1) return value < max ? TwoDigitText(WholePart(value) + 1) : "00";
    if (direction == -1)
        return value <= 0 ? std::to_string(max) : TwoDigitText(WholePart(value) - 1);
    return std::nullopt;
}

std::optional<DateTime> NextOccurrence(const DateTime& now, std::string_view hour,
                                       std::string_view minute, std::string_view second) {
    // Today's date with the captions exactly as they stand; the strict parse refuses anything
    // odd, and the least value it gives then can never be a date of the running clock.
    const std::string text = std::to_string(now.year) + "-" + std::to_string(now.month) + "-" +
                             std::to_string(now.day) + " " + std::string(hour) + ":" +
                             std::string(minute) + ":" + std::string(second);
    const DateTime today = ParseDateTime(text);
    if (today == DateTime::Least()) return std::nullopt;
    // DateTime counts calendar seconds without a time zone: a day on keeps the time of day.
    return today < now ? today.AddDays(1) : today;
}

ProposedTime ProposeNextHourAndMinute(const DateTime& now) {
    return {TwoDigitText((now.hour + 1) % (kMaxHour + 1)),
            TwoDigitText((now.minute + 1) % (kMaxMinuteOrSecond + 1))};
}

}  // namespace yf
