// The conversions walk the month-size and leap-month tables from lunar New Year 1901; the year
// cycle looks up the Start of Spring in the solar-term table.
#include "calendar/lunar_calendar.h"

#include <array>

#include "calendar/lunar_tables.h"

namespace yf {
namespace {

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 10> kMonthNumerals = {"正", "二", "三", "四", "五",
                                                             "六", "七", "八", "九", "十"};
constexpr std::array<std::string_view, 4> kDayPrefixes = {"初", "十", "廿", "三"};
constexpr std::array<std::string_view, 10> kDayDigits = {"一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九", "十"};

// Lunar New Year 1901 is 19 February 1901, 49 days after 1 January.
constexpr int kFirstYear = 1901;
constexpr int kDaysBeforeFirstNewYear = 49;
constexpr int kLastYear = 2048;

// Term numbers in the solar-term table: Minor Cold, Major Cold, Start of Spring.
constexpr int kStartOfSpring = 3;

bool InRange(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
    if (year < kFirstYear || year > kLastYear) return false;
    return !(year == kFirstYear && (month == 1 || (month == 2 && day < 19)));
}

int SecondsOfDay(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

// The last solar term begun at `when` by the table's day-based rule, 0 when none has this year.
int CountedTerm(const DateTime& when) {
    for (int back = 0;; ++back) {
        const DateTime day = when.AddDays(-back);
        if (day.year != when.year) return 0;
        for (int term = 1; term <= lunar_tables::kTermsPerYear; ++term) {
            const auto entry = lunar_tables::SolarTerm(day.year, term);
            if (!entry || entry->month > day.month) break;
            if (entry->month != day.month || entry->day != day.day) continue;
            if (back > 0) return term;
            const bool begun = SecondsOfDay(entry->hour, entry->minute, entry->second) <=
                               SecondsOfDay(when.hour, when.minute, when.second);
            return begun ? term : term - 1;
        }
    }
}

void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    std::size_t at = 0;
    while ((at = text.find(pattern, at)) != std::string::npos) {
        text.replace(at, pattern.size(), replacement);
        at += replacement.size();
    }
}

}  // namespace

std::optional<LunarDate> ToLunar(int year, int month, int day) {
    if (!InRange(year, month, day)) return std::nullopt;
    int n = static_cast<int>(DaysFromCivil(year, month, day) - DaysFromCivil(kFirstYear, 1, 1)) -
            kDaysBeforeFirstNewYear;
    int lunarYear = kFirstYear;
    while (n >= lunar_tables::YearDays(lunarYear)) {
        n -= lunar_tables::YearDays(lunarYear);
        ++lunarYear;
    }
    const int leap = lunar_tables::LeapMonth(lunarYear);
    for (int lunarMonth = 1; lunarMonth <= 12; ++lunarMonth) {
        const int length = lunar_tables::MonthDays(lunarYear, lunarMonth);
        if (n < length) return LunarDate{lunarYear, lunarMonth, n + 1, false};
        n -= length;
        if (lunarMonth == leap) {
            const int leapLength = lunar_tables::LeapMonthDays(lunarYear);
            if (n < leapLength) return LunarDate{lunarYear, lunarMonth, n + 1, true};
            n -= leapLength;
        }
    }
    return std::nullopt;  // unreachable while the year walk above is consistent
}

int CycleYear(const DateTime& when) {
    if (!InRange(when.year, when.month, when.day)) return 0;
    const int g = (when.year - kFirstYear) % 60;
    int position = g <= 22 ? g + 38 : g - 22;  // 1901 is 38 (辛丑)
    if (CountedTerm(when) < kStartOfSpring) position = position == 1 ? 60 : position - 1;
    return position;
}

std::string StemBranchName(int cyclePosition) {
    if (cyclePosition < 1 || cyclePosition > 60) return {};
    return std::string(kStems[(cyclePosition - 1) % 10]) +
           std::string(kBranches[(cyclePosition - 1) % 12]);
}

std::string ZodiacName(int cyclePosition) {
    if (cyclePosition < 1 || cyclePosition > 60) return {};
    return std::string(kAnimals[(cyclePosition - 1) % 12]);
}

std::string LunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    std::string name = leap ? "闰" : "";
    if (month == 11) return name + "冬月";
    if (month == 12) return name + "腊月";
    return name + std::string(kMonthNumerals[month - 1]) + "月";
}

std::string LunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    if (day == 20 || day == 30) return std::string(kDayDigits[day / 10 - 1]) + "十";
    return std::string(kDayPrefixes[(day - 1) / 10]) + std::string(kDayDigits[(day - 1) % 10]);
}

std::string FormatLunar(const DateTime& when, std::string_view format) {
    std::string text(format.empty() ? kDefaultLunarFormat : format);
    const int cycle = CycleYear(when);
    const auto lunar = ToLunar(when.year, when.month, when.day);
    ReplaceAll(text, "%Y", StemBranchName(cycle));
    ReplaceAll(text, "%S", ZodiacName(cycle));
    ReplaceAll(text, "%M", lunar ? LunarMonthName(lunar->month, lunar->leap) : std::string());
    ReplaceAll(text, "%D", lunar ? LunarDayName(lunar->day) : std::string());
    ReplaceAll(text, "%y", std::to_string(when.year));
    ReplaceAll(text, "%m", std::to_string(when.month));
    ReplaceAll(text, "%d", std::to_string(when.day));
    return text;
}

}  // namespace yf
