#include "timesync/http_date.h"

#include <array>
#include <vector>

#include "core/date_time.h"

namespace yf {
namespace {

constexpr std::array<std::string_view, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed",
                                                        "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) ++at;
        if (at > start) words.push_back(text.substr(start, at - start));
    }
    return words;
}

bool IsWeekday(std::string_view word) {
    for (std::size_t i = 0; i < kShortDays.size(); ++i) {
        if (SameLetters(word, kShortDays[i]) || SameLetters(word, kLongDays[i])) return true;
    }
    return false;
}

int MonthNumber(std::string_view word) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (SameLetters(word, kMonths[i])) return static_cast<int>(i) + 1;
    }
    return 0;
}

// A field of minDigits to maxDigits decimal digits and nothing else; -1 otherwise.
int Digits(std::string_view word, std::size_t minDigits, std::size_t maxDigits) {
    if (word.size() < minDigits || word.size() > maxDigits) return -1;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct TimeOfDay {
    int hour = -1, minute = -1, second = -1;
};

// "hh:mm:ss", two digits each.
std::optional<TimeOfDay> ClockOf(std::string_view word) {
    if (word.size() != 8 || word[2] != ':' || word[5] != ':') return std::nullopt;
    const TimeOfDay clock{Digits(word.substr(0, 2), 2, 2), Digits(word.substr(3, 2), 2, 2),
                          Digits(word.substr(6, 2), 2, 2)};
    // 60: a leap second.
    if (clock.hour < 0 || clock.hour > 23 || clock.minute < 0 || clock.minute > 59 ||
        clock.second < 0 || clock.second > 60) {
        return std::nullopt;
    }
    return clock;
}

// Seconds the zone is ahead of universal time.
std::optional<int> ZoneOffset(std::string_view word) {
    if (SameLetters(word, "GMT") || SameLetters(word, "UTC") || SameLetters(word, "UT")) return 0;
    if (word.size() != 5 || (word[0] != '+' && word[0] != '-')) return std::nullopt;
    const int hours = Digits(word.substr(1, 2), 2, 2);
    const int minutes = Digits(word.substr(3, 2), 2, 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return std::nullopt;
    const int offset = hours * 3600 + minutes * 60;
    return word[0] == '+' ? offset : -offset;
}

// The year of the century-less `twoDigits` that lies within fifty years of the reference.
int NearestYear(int twoDigits, int referenceYear) {
    int year = referenceYear - referenceYear % 100 + twoDigits;
    if (year > referenceYear + 50) year -= 100;
    if (year <= referenceYear - 50) year += 100;
    return year;
}

std::optional<std::int64_t> Instant(int year, int month, int day, const TimeOfDay& clock,
                                    int zoneOffset) {
    if (year < 1 || month == 0 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return DaysFromCivil(year, month, day) * 86400 + clock.hour * 3600 + clock.minute * 60 +
           clock.second - zoneOffset;
}

// "Sun, 06 Nov 1994 08:49:37 GMT", the weekday already read.
std::optional<std::int64_t> FixedDate(const std::vector<std::string_view>& words) {
    if (words.size() != 6) return std::nullopt;
    const std::optional<TimeOfDay> clock = ClockOf(words[4]);
    const std::optional<int> zone = ZoneOffset(words[5]);
    if (!clock || !zone) return std::nullopt;
    return Instant(Digits(words[3], 4, 4), MonthNumber(words[2]), Digits(words[1], 1, 2), *clock,
                   *zone);
}

// "Sunday, 06-Nov-94 08:49:37 GMT", the weekday already read.
std::optional<std::int64_t> ObsoleteDate(const std::vector<std::string_view>& words,
                                         int referenceYear) {
    if (words.size() != 4) return std::nullopt;
    const std::string_view date = words[1];
    const std::size_t first = date.find('-');
    const std::size_t second = date.find('-', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
    const std::string_view yearText = date.substr(second + 1);
    int year = Digits(yearText, 2, 4);
    if (year < 0 || yearText.size() == 3) return std::nullopt;
    if (yearText.size() == 2) year = NearestYear(year, referenceYear);
    const std::optional<TimeOfDay> clock = ClockOf(words[2]);
    const std::optional<int> zone = ZoneOffset(words[3]);
    if (!clock || !zone) return std::nullopt;
    return Instant(year, MonthNumber(date.substr(first + 1, second - first - 1)),
                   Digits(date.substr(0, first), 1, 2), *clock, *zone);
}

// "Sun Nov  6 08:49:37 1994", the weekday already read.
std::optional<std::int64_t> CLibraryDate(const std::vector<std::string_view>& words) {
    if (words.size() != 5) return std::nullopt;
    const std::optional<TimeOfDay> clock = ClockOf(words[3]);
    if (!clock) return std::nullopt;
    return Instant(Digits(words[4], 4, 4), MonthNumber(words[1]), Digits(words[2], 1, 2), *clock,
                   0);
}

}  // namespace

std::optional<std::int64_t> ParseHttpDate(std::string_view text, int referenceYear) {
    const std::vector<std::string_view> words = Words(text);
    if (words.empty()) return std::nullopt;
    std::string_view weekday = words[0];
    const bool comma = weekday.ends_with(',');
    if (comma) weekday.remove_suffix(1);
    if (!IsWeekday(weekday)) return std::nullopt;
    if (!comma) return CLibraryDate(words);
    // The two forms with a comma differ in how the date is written: with hyphens in the
    // obsolete one.
    if (words.size() > 1 && words[1].find('-') != std::string_view::npos) {
        return ObsoleteDate(words, referenceYear);
    }
    return FixedDate(words);
}

}  // namespace yf
