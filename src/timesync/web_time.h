// Reading Beijing time off the web time page: the page carries the count of milliseconds since
// the Unix epoch behind a fixed marker, and its answer, like every HTTP answer, the server's
// clock in its Date header. The HTTP part stays behind a reader so tests feed answers.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/date_time.h"

namespace yf {

// One answer to a GET of the web time page, as the HTTP client saw it; empty when none came.
struct WebAnswer {
    WebAnswer() = default;
    // An answer with this body and no Date header.
    WebAnswer(std::string page) : body(std::move(page)) {}

    std::string body;
    // The text of the answer's Date header; empty without one.
    std::string date;
    // From sending the request to the head of its answer arriving, on the monotonic clock.
    std::uint32_t roundTripMs = 0;

    bool Answered() const { return !body.empty() || !date.empty(); }
};

// One GET of the web time page.
using PageReader = std::function<WebAnswer()>;

// An instant read from the page, in whole seconds since 1970-01-01 00:00:00 UTC.
struct WebTime {
    std::int64_t unixSeconds = 0;

    DateTime Utc() const;
    // The wall-clock time in Beijing (UTC+8), which the page is meant to publish.
    DateTime Beijing() const;

    friend bool operator==(const WebTime&, const WebTime&) = default;
};

// The text the count follows on the page.
inline constexpr std::string_view kWebTimeMarker = "window.baidu_time(";

// The time a page holds, or nothing when it holds none we can trust: no marker, no ")" after
// it, no positive count in between, or a count beyond the year 9999. The text ends at its first
// zero byte; the count is read by TextToNumber, so blanks before it and anything between it and
// ")" do not matter, and the sub-second part is cut off.
std::optional<WebTime> ParseWebTime(std::string_view page);

// The time a Date header gives for the moment its answer arrived: the server's second, moved on
// by half the round trip (rounded to whole seconds). Nothing when the header does not parse.
// referenceYear places a two-digit year.
std::optional<WebTime> DateHeaderTime(std::string_view date, std::uint32_t roundTripMs,
                                      int referenceYear);

// Reads the page twice and takes the time from the second answer; the first one only proves the
// host is there. The page's own time wins; only when it holds none that is plausible for a
// program built on buildDay does the answer's Date header give the time. Nothing when either
// answer is empty or neither source gives a plausible time.
std::optional<WebTime> FetchWebTime(const PageReader& readPage, const DateTime& buildDay);

// One reading of the web time, both requests of it: what FetchWebTime gives.
using WebTimeReading = std::function<std::optional<WebTime>()>;

// Whether a reading can be the time now for a program built on `buildDay`: not before that day
// began anywhere on Earth (at UTC+14), nor more than thirty years after that. A page that
// counts from 0, or a count wrapped around 32 bits, is no time at all.
bool IsPlausible(const WebTime& time, const DateTime& buildDay);

}  // namespace yf
