// Gregorian arithmetic for DateTime, using the days-from-civil algorithm so that every
// conversion is exact integer arithmetic over the whole 100..9999 range.
#include "core/date_time.h"

#include <charconv>

namespace yf {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 0001-01-01 to 1970-01-01.
constexpr std::int64_t kEpochOffsetDays = 719162;

struct CivilDate {
    int year, month, day;
};

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// Reads one unsigned decimal field of 1..digits characters ending at `end`.
bool ReadField(std::string_view& text, char end, int maxDigits, int& value) {
    std::size_t length = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9') ++length;
    if (length == 0 || length > static_cast<std::size_t>(maxDigits)) return false;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    if (end == '\0') return text.empty();
    if (text.empty() || text.front() != end) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool DateTime::IsValid(int year, int month, int day, int hour, int minute, int second) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
           minute <= 59 && second >= 0 && second <= 59;
}

std::int64_t DateTime::SerialSeconds() const {
    const std::int64_t days = DaysFromCivil(year, month, day) + kEpochOffsetDays;
    return days * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

DateTime DateTime::FromSerialSeconds(std::int64_t serial) {
    std::int64_t days = serial / kSecondsPerDay;
    std::int64_t rest = serial % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days - kEpochOffsetDays);
    return DateTime{date.year,
                    date.month,
                    date.day,
                    static_cast<int>(rest / 3600),
                    static_cast<int>(rest / 60 % 60),
                    static_cast<int>(rest % 60)};
}

DateTime DateTime::AddSeconds(std::int64_t seconds) const {
    return FromSerialSeconds(SerialSeconds() + seconds);
}

Weekday DateTime::DayOfWeek() const {
    // 1970-01-01 was a Thursday.
    const std::int64_t days = DaysFromCivil(year, month, day);
    const std::int64_t index = ((days % 7) + 7 + 4) % 7;
    return static_cast<Weekday>(index);
}

DateTime ParseDateTime(std::string_view text) {
    DateTime result;
    if (!ReadField(text, '-', 4, result.year) || !ReadField(text, '-', 2, result.month) ||
        !ReadField(text, ' ', 2, result.day) || !ReadField(text, ':', 2, result.hour) ||
        !ReadField(text, ':', 2, result.minute) || !ReadField(text, '\0', 2, result.second)) {
        return DateTime::Least();
    }
    if (!DateTime::IsValid(result.year, result.month, result.day, result.hour, result.minute,
                           result.second)) {
        return DateTime::Least();
    }
    return result;
}

std::int64_t SecondsBetween(const DateTime& a, const DateTime& b) {
    return b.SerialSeconds() - a.SerialSeconds();
}

}  // namespace yf
