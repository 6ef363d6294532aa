// Gregorian date to Chinese lunar date, the stem-branch year (which turns at the exact moment of
// the Start of Spring) and the text formatter the calendar panel shows. UTF-8 throughout.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/date_time.h"

namespace yf {

struct LunarDate {
    int year = 0;
    int month = 0;      // 1..12
    int day = 0;        // 1..30
    bool leap = false;  // the intercalary repetition of `month`

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The lunar date of a Gregorian day from 19 February 1901 to 31 December 2048; nothing outside
// that range or for a day that does not exist.
std::optional<LunarDate> ToLunar(int year, int month, int day);

// Position 1..60 in the sixty-year cycle (1 = 甲子) of the year in force at `when`, which changes
// at the Start of Spring; 0 outside 19 February 1901 .. 31 December 2048.
int CycleYear(const DateTime& when);

// Name parts; an empty text for a value outside the tables.
std::string StemBranchName(int cyclePosition);     // e.g. 甲午
std::string ZodiacName(int cyclePosition);         // e.g. 马
std::string LunarMonthName(int month, bool leap);  // 正月, 冬月, 闰二月
std::string LunarDayName(int day);                 // 初一, 二十, 廿九

inline constexpr std::string_view kDefaultLunarFormat = "%Y年(%S)%M%D %y-%m-%d";

// Replaces, in this order and each everywhere, %Y (stem-branch year), %S (zodiac animal),
// %M (lunar month), %D (lunar day), %y, %m, %d (Gregorian year, month, day without leading zeros).
// An empty format means the default one. Outside the supported range the lunar parts are empty.
std::string FormatLunar(const DateTime& when, std::string_view format = {});

}  // namespace yf
