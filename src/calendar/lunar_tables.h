// The three constant tables behind the lunar calendar and their lookups. The values are computed
// by tools/lunar_tables and live in lunar_tables_data.cpp; the layouts here are fixed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace yf::lunar_tables {

inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2049;
inline constexpr int kMonthSizeCount = kLastLunarYear - kFirstLunarYear + 1;  // 149 words
inline constexpr int kLeapMonthByteCount = (kMonthSizeCount + 1) / 2;         // 75 bytes

inline constexpr int kFirstTermYear = 1880;
inline constexpr int kLastTermYear = 2079;
inline constexpr int kTermsPerYear = 24;
inline constexpr int kTermEntryBytes = 5;
inline constexpr int kSolarTermByteCount =
    (kLastTermYear - kFirstTermYear + 1) * kTermsPerYear * kTermEntryBytes;  // 24000 bytes

// One word per lunar year: bit 15 is the first month, a set bit means 30 days, and a leap month
// follows the month it repeats.
extern const std::array<std::uint16_t, kMonthSizeCount> kMonthSizes;
// Two years per byte: the earlier year (even offset from 1901) in the high nibble; 0 = no leap.
extern const std::array<std::uint8_t, kLeapMonthByteCount> kLeapMonths;
// Per Gregorian year, 24 entries (Minor Cold first) of month, day, hour, minute, second, UTC+8.
extern const std::array<std::uint8_t, kSolarTermByteCount> kSolarTerms;

// The leap month of a lunar year, 0 for none, -1 outside 1901..2049.
int LeapMonth(int year);
// Days of month 1..12 of a lunar year (the regular month, not its leap repetition); 0 outside.
int MonthDays(int year, int month);
// Days of the year's leap month, 0 when it has none.
int LeapMonthDays(int year);
// Days of the whole lunar year, 0 outside.
int YearDays(int year);

struct SolarTermTime {
    int month, day, hour, minute, second;
};
// Term 1..24 of a Gregorian year 1880..2079.
std::optional<SolarTermTime> SolarTerm(int year, int term);

}  // namespace yf::lunar_tables
