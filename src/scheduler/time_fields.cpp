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

ProposedTime ProposeNextHourAndMinute(const DateTime& now) {
    return {TwoDigitText((now.hour + 1) % (kMaxHour + 1)),
            TwoDigitText((now.minute + 1) % (kMaxMinuteOrSecond + 1))};
}

}  // namespace yf
