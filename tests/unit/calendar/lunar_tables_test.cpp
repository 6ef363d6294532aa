// The committed tables: the layouts, the rows the calendar is known by, and the solar terms
// against the accurately known moments.
#include "calendar/lunar_tables.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/date_time.h"

namespace yf::lunar_tables {
namespace {

struct YearRow {
    int year;
    std::uint16_t word;
    int leap;
    std::vector<int> lengths;  // leap month shown as the sum of both
    int days;
};

TEST(LunarTablesTest, TellingYearsHaveTheirPublishedMonths) {
    const YearRow rows[] = {
        {1901, 0x4AE0, 0, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29}, 354},
        {1903, 0x5268, 5, {29, 30, 29, 30, 58, 30, 29, 29, 30, 30, 29, 30}, 383},
        {2014, 0x55A8, 9, {29, 30, 29, 30, 29, 30, 29, 30, 59, 30, 29, 30}, 384},
        {2023, 0x4DA8, 2, {29, 59, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30}, 384},
        {2026, 0xA4E0, 0, {30, 29, 30, 29, 29, 30, 29, 29, 30, 30, 30, 29}, 354},
        {2033, 0x4AE8, 11, {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 59, 30}, 384},
    };
    for (const YearRow& row : rows) {
        SCOPED_TRACE(row.year);
        EXPECT_EQ(kMonthSizes[row.year - kFirstLunarYear], row.word);
        EXPECT_EQ(LeapMonth(row.year), row.leap);
        for (int month = 1; month <= 12; ++month) {
            const int length =
                MonthDays(row.year, month) + (month == row.leap ? LeapMonthDays(row.year) : 0);
            EXPECT_EQ(length, row.lengths[month - 1]) << "month " << month;
        }
        EXPECT_EQ(YearDays(row.year), row.days);
    }
}

TEST(LunarTablesTest, EveryYearIsAWellFormedLunarYear) {
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        SCOPED_TRACE(year);
        const int leap = LeapMonth(year);
        ASSERT_GE(leap, 0);
        ASSERT_LE(leap, 12);
        const int months = leap ? 13 : 12;
        // Bits below the last month stay clear.
        EXPECT_EQ(kMonthSizes[year - kFirstLunarYear] & ((1u << (16 - months)) - 1), 0u);
        const int days = YearDays(year);
        EXPECT_TRUE(leap ? days >= 383 && days <= 385 : days >= 353 && days <= 355) << days;
    }
    EXPECT_EQ(LeapMonth(1900), -1);
    EXPECT_EQ(LeapMonth(2050), -1);
    EXPECT_EQ(YearDays(2050), 0);
}

struct TermRow {
    int year, term, month, day, hour, minute, second;
};

std::int64_t TermSerial(int year, const SolarTermTime& t) {
    return DateTime{year, t.month, t.day, t.hour, t.minute, t.second}.SerialSeconds();
}

TEST(LunarTablesTest, TellingSolarTermsAgreeWithinHalfAMinute) {
    // From an older computation that modern ephemerides put 7 to 25 s away: same date, same
    // minute or so.
    const TermRow rows[] = {
        {1880, 1, 1, 6, 5, 41, 45},  {1880, 3, 2, 4, 17, 30, 39}, {1880, 24, 12, 21, 18, 18, 24},
        {2014, 1, 1, 5, 18, 24, 5},  {2014, 3, 2, 4, 6, 3, 10},   {2014, 24, 12, 22, 7, 2, 53},
        {2026, 1, 1, 5, 16, 22, 46}, {2026, 3, 2, 4, 4, 1, 45},   {2026, 24, 12, 22, 4, 49, 50},
    };
    for (const TermRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.year << " term " << row.term);
        const auto term = SolarTerm(row.year, row.term);
        ASSERT_TRUE(term.has_value());
        EXPECT_EQ(term->month, row.month);
        EXPECT_EQ(term->day, row.day);
        const SolarTermTime expected{row.month, row.day, row.hour, row.minute, row.second};
        EXPECT_LE(std::abs(TermSerial(row.year, *term) - TermSerial(row.year, expected)), 30);
    }
}

TEST(LunarTablesTest, MarchEquinox2000IsAt0735Utc) {
    // Spring Equinox (term 6) of 2000: 20 March 07:35 UTC, 15:35 at UTC+8.
    const auto term = SolarTerm(2000, 6);
    ASSERT_TRUE(term.has_value());
    const std::int64_t expected = DateTime{2000, 3, 20, 15, 35, 30}.SerialSeconds();
    EXPECT_LE(std::abs(TermSerial(2000, *term) - expected), 60);
}

TEST(LunarTablesTest, SolarTermsAreOrderedAndEvenlySpaced) {
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
        std::int64_t previous = 0;
        for (int n = 1; n <= kTermsPerYear; ++n) {
            SCOPED_TRACE(testing::Message() << year << " term " << n);
            const auto t = SolarTerm(year, n);
            ASSERT_TRUE(t.has_value());
            ASSERT_TRUE(DateTime::IsValid(year, t->month, t->day, t->hour, t->minute, t->second));
            const std::int64_t serial = TermSerial(year, *t);
            // Consecutive terms are 14.7 to 15.8 days apart.
            if (n > 1) {
                EXPECT_GT(serial - previous, 14 * 86400 + 16 * 3600);
                EXPECT_LT(serial - previous, 15 * 86400 + 20 * 3600);
            }
            previous = serial;
        }
    }
    EXPECT_FALSE(SolarTerm(1879, 1).has_value());
    EXPECT_FALSE(SolarTerm(2080, 1).has_value());
    EXPECT_FALSE(SolarTerm(2000, 0).has_value());
    EXPECT_FALSE(SolarTerm(2000, 25).has_value());
}

}  // namespace
}  // namespace yf::lunar_tables
