#include "core/date_time.h"

#include <gtest/gtest.h>

namespace yf {
namespace {

struct ParseCase {
    const char* text;
    DateTime expected;
};

class ParseDateTimeTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDateTimeTest, GivesTheFieldsOrTheLeastValue) {
    EXPECT_EQ(ParseDateTime(GetParam().text), GetParam().expected) << GetParam().text;
}

constexpr DateTime kLeast = DateTime::Least();

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateTimeTest,
    ::testing::Values(
        ParseCase{"2014-12-1 22:30:00", {2014, 12, 1, 22, 30, 0}},
        ParseCase{"2014-12-01 09:05:07", {2014, 12, 1, 9, 5, 7}},
        ParseCase{"2024-2-29 0:0:0", {2024, 2, 29, 0, 0, 0}},
        ParseCase{"9999-12-31 23:59:59", {9999, 12, 31, 23, 59, 59}},
        ParseCase{"100-1-1 00:00:01", {100, 1, 1, 0, 0, 1}},
        // each field out of range
        ParseCase{"2023-2-29 10:00:00", kLeast}, ParseCase{"2014-13-1 10:00:00", kLeast},
        ParseCase{"2014-0-1 10:00:00", kLeast}, ParseCase{"2014-4-31 10:00:00", kLeast},
        ParseCase{"2014-4-0 10:00:00", kLeast}, ParseCase{"2014-12-1 24:00:00", kLeast},
        ParseCase{"2014-12-1 23:60:00", kLeast}, ParseCase{"2014-12-1 23:00:60", kLeast},
        ParseCase{"99-12-1 10:00:00", kLeast}, ParseCase{"1900-2-29 10:00:00", kLeast},
        // malformed
        ParseCase{"", kLeast}, ParseCase{"garbage", kLeast}, ParseCase{"2014-12-1", kLeast},
        ParseCase{"2014-12-1 22:30", kLeast}, ParseCase{"2014-12-1 22:30:00 ", kLeast},
        ParseCase{"2014-12-1  22:30:00", kLeast}, ParseCase{"2014/12/1 22:30:00", kLeast},
        ParseCase{"2014-12-1 -1:30:00", kLeast}, ParseCase{"2014-12-1 22:3a:00", kLeast},
        ParseCase{"2014-12-1 22:30:000", kLeast}, ParseCase{"2014-12-1 :30:00", kLeast}));

TEST(DateTimeTest, SecondsBetweenIsExactAcrossDaysYearsAndSigns) {
    const DateTime a{2014, 12, 31, 23, 59, 59};
    EXPECT_EQ(SecondsBetween(a, {2015, 1, 1, 0, 0, 0}), 1);
    EXPECT_EQ(SecondsBetween({2015, 1, 1, 0, 0, 0}, a), -1);
    EXPECT_EQ(SecondsBetween({2024, 2, 28, 12, 0, 0}, {2024, 3, 1, 12, 0, 0}), 2 * 86400);
    EXPECT_EQ(SecondsBetween({2023, 2, 28, 12, 0, 0}, {2023, 3, 1, 12, 0, 0}), 86400);
    // Beyond 32 bits: from the least value to the greatest.
    EXPECT_EQ(SecondsBetween(DateTime::Least(), {9999, 12, 31, 23, 59, 59}), 312413759999LL);
    EXPECT_EQ(SecondsBetween({1970, 1, 1, 0, 0, 0}, {2038, 1, 19, 3, 14, 8}), 2147483648LL);
}

TEST(DateTimeTest, AddingCarriesIntoEveryField) {
    const DateTime start{2014, 12, 31, 23, 59, 30};
    EXPECT_EQ(start.AddSeconds(30), (DateTime{2015, 1, 1, 0, 0, 0}));
    EXPECT_EQ(start.AddSeconds(-86400 * 365), (DateTime{2013, 12, 31, 23, 59, 30}));
    EXPECT_EQ(start.AddMinutes(1), (DateTime{2015, 1, 1, 0, 0, 30}));
    EXPECT_EQ(start.AddHours(-24), (DateTime{2014, 12, 30, 23, 59, 30}));
    EXPECT_EQ((DateTime{2024, 2, 28, 8, 0, 0}).AddDays(1), (DateTime{2024, 2, 29, 8, 0, 0}));
    EXPECT_EQ((DateTime{2100, 2, 28, 8, 0, 0}).AddDays(1), (DateTime{2100, 3, 1, 8, 0, 0}));
    EXPECT_EQ((DateTime{1970, 1, 1, 8, 0, 0}).AddSeconds(1417392000), (DateTime{2014, 12, 1, 8, 0, 0}));
}

TEST(DateTimeTest, WeekdaysOfKnownDates) {
    EXPECT_EQ((DateTime{2014, 12, 1, 0, 0, 0}).DayOfWeek(), Weekday::Monday);
    EXPECT_EQ((DateTime{2026, 12, 13, 0, 0, 0}).DayOfWeek(), Weekday::Sunday);
    EXPECT_EQ((DateTime{1970, 1, 1, 0, 0, 0}).DayOfWeek(), Weekday::Thursday);
    EXPECT_EQ((DateTime{1901, 2, 19, 0, 0, 0}).DayOfWeek(), Weekday::Tuesday);
    EXPECT_EQ((DateTime{100, 1, 1, 0, 0, 0}).DayOfWeek(), Weekday::Friday);
    EXPECT_EQ((DateTime{2000, 2, 29, 0, 0, 0}).DayOfWeek(), Weekday::Tuesday);
}

TEST(DateTimeTest, SerialSecondsRoundTripOverTheWholeRange) {
    for (const DateTime& t : {DateTime::Least(), DateTime{1582, 10, 15, 1, 2, 3},
                              DateTime{1969, 12, 31, 23, 59, 59}, DateTime{9999, 12, 31, 23, 59, 59}}) {
        EXPECT_EQ(DateTime::FromSerialSeconds(t.SerialSeconds()), t);
    }
}

}  // namespace
}  // namespace yf
