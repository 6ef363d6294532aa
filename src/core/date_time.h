// Local calendar date and time in whole seconds, the program's one time type: the scheduler,
// the clock check and the calendar all compute with it. No time zone is attached.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace yf {

enum class Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

struct DateTime {
    int year = 100;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // The least value; also what a failed parse gives.
    static constexpr DateTime Least() { return DateTime{}; }
    static bool IsValid(int year, int month, int day, int hour, int minute, int second);

    // Seconds since 0001-01-01 00:00:00 of the proleptic Gregorian calendar.
    std::int64_t SerialSeconds() const;
    static DateTime FromSerialSeconds(std::int64_t serial);

    DateTime AddSeconds(std::int64_t seconds) const;
    DateTime AddMinutes(std::int64_t minutes) const { return AddSeconds(minutes * 60); }
    DateTime AddHours(std::int64_t hours) const { return AddSeconds(hours * 3600); }
    DateTime AddDays(std::int64_t days) const { return AddSeconds(days * 86400); }

    Weekday DayOfWeek() const;

    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// Strict parse of "year-month-day hour:minute:second" (plain decimal fields, leading zeros
// allowed). Any malformed text or field out of range gives DateTime::Least().
DateTime ParseDateTime(std::string_view text);

// b - a in whole seconds, negative when b is earlier.
std::int64_t SecondsBetween(const DateTime& a, const DateTime& b);

int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

// Days since 1970-01-01 of a proleptic Gregorian date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);

}  // namespace yf
