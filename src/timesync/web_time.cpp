#include "timesync/web_time.h"

#include <algorithm>
#include <cmath>

#include "core/text_number.h"
#include "timesync/http_date.h"

namespace yf {
namespace {

constexpr DateTime kUnixEpoch{1970, 1, 1, 0, 0, 0};
constexpr std::int64_t kBeijingOffsetSeconds = 8 * 3600;

// The last second whose Beijing time is still a DateTime.
std::int64_t LatestUnixSeconds() {
    constexpr DateTime kLatest{9999, 12, 31, 23, 59, 59};
    return SecondsBetween(kUnixEpoch, kLatest) - kBeijingOffsetSeconds;
}

}  // namespace

DateTime WebTime::Utc() const {
    return kUnixEpoch.AddSeconds(unixSeconds);
}

DateTime WebTime::Beijing() const {
    return kUnixEpoch.AddSeconds(unixSeconds + kBeijingOffsetSeconds);
}

std::optional<WebTime> ParseWebTime(std::string_view page) {
    page = page.substr(0, page.find('\0'));
    const std::size_t marker = page.find(kWebTimeMarker);
    if (marker == std::string_view::npos) return std::nullopt;
    const std::size_t start = marker + kWebTimeMarker.size();
    const std::size_t end = page.find(')', start);
    if (end == std::string_view::npos) return std::nullopt;

    const double milliseconds = TextToNumber(page.substr(start, end - start));
    // Truncated toward zero, and range-checked while still a double so the conversion to a
    // 64-bit count is always defined. A count of 0 or less is what a missing number reads as,
    // and 1970 is never the right time.
    const double seconds = std::trunc(milliseconds / 1000.0);
    if (!(seconds >= 1.0) || seconds > static_cast<double>(LatestUnixSeconds())) {
        return std::nullopt;
    }
    return WebTime{static_cast<std::int64_t>(seconds)};
}

bool IsPlausible(const WebTime& time, const DateTime& buildDay) {
    constexpr std::int64_t kEarliestZoneSeconds = 14 * 3600;
    constexpr int kYearsAhead = 30;
    const auto dayStart = [](int year, int month, int day) {
        const DateTime midnight{year, month, std::min(day, DaysInMonth(year, month)), 0, 0, 0};
        return SecondsBetween(kUnixEpoch, midnight) - kEarliestZoneSeconds;
    };
    const std::int64_t earliest = dayStart(buildDay.year, buildDay.month, buildDay.day);
    const std::int64_t latest = dayStart(buildDay.year + kYearsAhead, buildDay.month, buildDay.day);
    return time.unixSeconds >= earliest && time.unixSeconds <= latest;
}

std::optional<WebTime> DateHeaderTime(std::string_view date, std::uint32_t roundTripMs,
                                      int referenceYear) {
    const std::optional<std::int64_t> sent = ParseHttpDate(date, referenceYear);
    if (!sent) return std::nullopt;
    // The server wrote its clock about when it answered, half way through the round trip.
    const std::int64_t halfRoundTrip = (static_cast<std::int64_t>(roundTripMs) / 2 + 500) / 1000;
    return WebTime{*sent + halfRoundTrip};
}

std::optional<WebTime> FetchWebTime(const PageReader& readPage, const DateTime& buildDay) {
    if (!readPage().Answered()) return std::nullopt;
    const WebAnswer answer = readPage();
    if (!answer.Answered()) return std::nullopt;
    const std::optional<WebTime> page = ParseWebTime(answer.body);
    if (page && IsPlausible(*page, buildDay)) return page;
    // A page that moved, changed its form or was replaced by a network's own page (a login or
    // an error page) still comes with the clock of the server that sent it.
    const std::optional<WebTime> date =
        DateHeaderTime(answer.date, answer.roundTripMs, buildDay.year);
    if (date && IsPlausible(*date, buildDay)) return date;
    return std::nullopt;
}

}  // namespace yf
