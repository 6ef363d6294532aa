// Lookups over the generated tables, with the bit and nibble layouts in one place.
#include "calendar/lunar_tables.h"

namespace yf::lunar_tables {
namespace {

bool InLunarRange(int year) {
    return year >= kFirstLunarYear && year <= kLastLunarYear;
}

int SizeBit(int year, int bit) {
    return (kMonthSizes[year - kFirstLunarYear] >> bit) & 1;
}

}  // namespace

int LeapMonth(int year) {
    if (!InLunarRange(year)) return -1;
    const int offset = year - kFirstLunarYear;
    const int byte = kLeapMonths[offset / 2];
    return offset % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

int MonthDays(int year, int month) {
    if (!InLunarRange(year) || month < 1 || month > 12) return 0;
    const int leap = LeapMonth(year);
    const int bit = (leap == 0 || month <= leap) ? 16 - month : 15 - month;
    return SizeBit(year, bit) ? 30 : 29;
}

int LeapMonthDays(int year) {
    const int leap = LeapMonth(year);
    if (leap <= 0) return 0;
    return SizeBit(year, 15 - leap) ? 30 : 29;
}

int YearDays(int year) {
    if (!InLunarRange(year)) return 0;
    int days = LeapMonthDays(year);
    for (int month = 1; month <= 12; ++month) days += MonthDays(year, month);
    return days;
}

std::optional<SolarTermTime> SolarTerm(int year, int term) {
    if (year < kFirstTermYear || year > kLastTermYear || term < 1 || term > kTermsPerYear)
        return std::nullopt;
    const std::size_t at =
        (static_cast<std::size_t>(year - kFirstTermYear) * kTermsPerYear + (term - 1)) *
        kTermEntryBytes;
    return SolarTermTime{kSolarTerms[at], kSolarTerms[at + 1], kSolarTerms[at + 2],
                         kSolarTerms[at + 3], kSolarTerms[at + 4]};
}

}  // namespace yf::lunar_tables
