// Lunar conversion, the stem-branch year at the Start of Spring, and the formatter.
#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include "calendar/lunar_tables.h"

namespace yf {
namespace {

DateTime At(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    return DateTime{year, month, day, hour, minute, second};
}

struct Case {
    DateTime when;
    const char* format;
    const char* expected;
};

TEST(FormatLunarTest, KnownDates) {
    const Case cases[] = {
        {At(1901, 2, 19), "", "辛丑年(牛)正月初一 1901-2-19"},
        {At(2014, 1, 31), "%M%D", "正月初一"},
        {At(2014, 1, 31), "%Y年 [%S年]", "癸巳年 [蛇年]"},
        {At(2014, 2, 4, 5, 0), "%Y%S", "癸巳蛇"},
        {At(2014, 2, 4, 7, 0), "%Y%S", "甲午马"},
        {At(2025, 1, 29), "%M%D %Y%S", "正月初一 甲辰龙"},
        {At(2025, 2, 2, 23, 59, 59), "%Y", "甲辰"},
        {At(2023, 3, 22), "%M%D", "闰二月初一"},
        {At(2023, 4, 20), "%M%D", "三月初一"},
        {At(2020, 5, 23), "%M%D", "闰四月初一"},
        {At(2026, 2, 17), "%M%D %Y%S", "正月初一 丙午马"},
        {At(2033, 12, 22), "%M%D", "闰冬月初一"},
        {At(2034, 2, 19), "%M%D", "正月初一"},
        {At(2014, 12, 1), "%M%D", "十月初十"},
        {At(2014, 12, 1), "%Y年 [%S年]", "甲午年 [马年]"},
        {At(2014, 12, 1), "today", "today"},
        {At(2014, 12, 1), "%Y%Y-%d%d", "甲午甲午-11"},
        {At(2014, 12, 1), "%y/%m/%d", "2014/12/1"},
        // Each specifier is replaced in turn, so text produced by one step can form the next.
        {At(1900, 1, 1), "%%Sy", "1900"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLunar(c.when, c.format), c.expected)
            << c.when.year << "-" << c.when.month << "-" << c.when.day << " " << c.when.hour << ":"
            << c.when.minute << " " << c.format;
    }
}

TEST(FormatLunarTest, EmptyFormatIsTheDefaultFormat) {
    const DateTime when = At(2014, 12, 1);
    EXPECT_EQ(FormatLunar(when), FormatLunar(when, kDefaultLunarFormat));
    EXPECT_EQ(FormatLunar(when, ""), "甲午年(马)十月初十 2014-12-1");
}

TEST(FormatLunarTest, OutsideTheRangeLunarPartsAreEmpty) {
    EXPECT_EQ(FormatLunar(At(1901, 2, 18)), "年() 1901-2-18");
    EXPECT_EQ(FormatLunar(At(2049, 1, 1)), "年() 2049-1-1");
    EXPECT_NE(FormatLunar(At(2048, 12, 31), "%M%D"), "");
    EXPECT_NE(FormatLunar(At(2048, 12, 31), "%Y"), "");
}

TEST(ToLunarTest, RangeLimits) {
    EXPECT_FALSE(ToLunar(1901, 2, 18).has_value());
    EXPECT_EQ(ToLunar(1901, 2, 19), (LunarDate{1901, 1, 1, false}));
    EXPECT_TRUE(ToLunar(2048, 12, 31).has_value());
    EXPECT_FALSE(ToLunar(2049, 1, 1).has_value());
    EXPECT_FALSE(ToLunar(2000, 13, 1).has_value());
    EXPECT_FALSE(ToLunar(2000, 0, 1).has_value());
    EXPECT_FALSE(ToLunar(2001, 2, 29).has_value());
}

TEST(CycleYearTest, RangeLimitsAndStartOfSpring) {
    EXPECT_EQ(CycleYear(At(1901, 2, 18)), 0);
    EXPECT_EQ(CycleYear(At(1901, 2, 19)), 38);  // 辛丑: Start of Spring 1901 was on 4 February
    EXPECT_EQ(CycleYear(At(2049, 1, 1)), 0);
    EXPECT_EQ(CycleYear(At(2014, 2, 4, 5, 0)), 30);
    EXPECT_EQ(CycleYear(At(2014, 2, 4, 7, 0)), 31);
    EXPECT_EQ(CycleYear(At(2048, 12, 31)), 5);  // 戊辰
}

TEST(CycleYearTest, TurnsExactlyAtTheTablesStartOfSpringSecond) {
    for (int year : {1902, 1950, 2000, 2024, 2048}) {
        const auto spring = lunar_tables::SolarTerm(year, 3);
        ASSERT_TRUE(spring.has_value());
        const DateTime moment{year,         spring->month,  spring->day,
                              spring->hour, spring->minute, spring->second};
        const int before = CycleYear(moment.AddSeconds(-1));
        const int after = CycleYear(moment);
        EXPECT_EQ(after, before % 60 + 1) << year;
        // The day before keeps the old year whatever the hour; the day after has the new one.
        EXPECT_EQ(CycleYear(moment.AddDays(-1).AddSeconds(86399 - moment.hour * 3600 -
                                                          moment.minute * 60 - moment.second)),
                  before)
            << year;
        EXPECT_EQ(CycleYear(DateTime{year, spring->month, spring->day}.AddDays(1)), after) << year;
    }
}

TEST(CycleYearTest, FirstOfJanuaryBeforeMinorColdIsThePreviousYear) {
    // 1 January always precedes Minor Cold (5-7 January), so no term of the year has begun.
    for (int year = 1902; year <= 2048; ++year)
        EXPECT_EQ(CycleYear(At(year, 1, 1, 23, 59, 59)), CycleYear(At(year - 1, 12, 31))) << year;
}

TEST(LunarNamesTest, DayNames) {
    const std::pair<int, const char*> days[] = {
        {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"},
        {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"},
    };
    for (const auto& [day, name] : days) EXPECT_EQ(LunarDayName(day), name) << day;
    EXPECT_EQ(LunarDayName(0), "");
    EXPECT_EQ(LunarDayName(31), "");
}

TEST(LunarNamesTest, NamesOutsideTheKnownDates) {
    EXPECT_EQ(LunarMonthName(12, false), "腊月");
    EXPECT_EQ(LunarMonthName(12, true), "闰腊月");
    EXPECT_EQ(LunarMonthName(13, false), "");
    EXPECT_EQ(StemBranchName(1), "甲子");
    EXPECT_EQ(StemBranchName(60), "癸亥");
    EXPECT_EQ(ZodiacName(12), "猪");
    EXPECT_EQ(StemBranchName(0), "");
    EXPECT_EQ(ZodiacName(61), "");
}

// The Qing court's calendar of 1906 started its fourth month on 24 April, the day after the
// meridian of Beijing alone would put it.
TEST(ToLunarTest, FourthMonthOf1906StartsOn24April) {
    EXPECT_EQ(FormatLunar(At(1906, 4, 23), "%M%D"), "三月三十");
    EXPECT_EQ(FormatLunar(At(1906, 4, 24), "%M%D"), "四月初一");
    EXPECT_EQ(FormatLunar(At(1906, 5, 22), "%M%D"), "四月廿九");
    EXPECT_EQ(FormatLunar(At(1906, 5, 23), "%M%D"), "闰四月初一");
}

// Every other day of 1906 and 1909 keeps its date: the first days of the months that cover those
// years, in order.
TEST(ToLunarTest, TheRestOf1906And1909AsPublished) {
    struct MonthStart {
        DateTime firstDay;
        LunarDate lunar;
    };
    const MonthStart starts[] = {
        {{1905, 12, 26}, {1905, 12, 1, false}}, {{1906, 1, 25}, {1906, 1, 1, false}},
        {{1906, 2, 23}, {1906, 2, 1, false}},   {{1906, 3, 25}, {1906, 3, 1, false}},
        {{1906, 4, 24}, {1906, 4, 1, false}},   {{1906, 5, 23}, {1906, 4, 1, true}},
        {{1906, 6, 22}, {1906, 5, 1, false}},   {{1906, 7, 21}, {1906, 6, 1, false}},
        {{1906, 8, 20}, {1906, 7, 1, false}},   {{1906, 9, 18}, {1906, 8, 1, false}},
        {{1906, 10, 18}, {1906, 9, 1, false}},  {{1906, 11, 16}, {1906, 10, 1, false}},
        {{1906, 12, 16}, {1906, 11, 1, false}}, {{1907, 1, 14}, {1906, 12, 1, false}},
        {{1908, 12, 23}, {1908, 12, 1, false}}, {{1909, 1, 22}, {1909, 1, 1, false}},
        {{1909, 2, 20}, {1909, 2, 1, false}},   {{1909, 3, 22}, {1909, 2, 1, true}},
        {{1909, 4, 20}, {1909, 3, 1, false}},   {{1909, 5, 19}, {1909, 4, 1, false}},
        {{1909, 6, 18}, {1909, 5, 1, false}},   {{1909, 7, 17}, {1909, 6, 1, false}},
        {{1909, 8, 16}, {1909, 7, 1, false}},   {{1909, 9, 14}, {1909, 8, 1, false}},
        {{1909, 10, 14}, {1909, 9, 1, false}},  {{1909, 11, 13}, {1909, 10, 1, false}},
        {{1909, 12, 13}, {1909, 11, 1, false}}, {{1910, 1, 11}, {1909, 12, 1, false}},
    };
    for (int year : {1906, 1909}) {
        for (DateTime day{year, 1, 1}; day.year == year; day = day.AddDays(1)) {
            const MonthStart* month = nullptr;
            for (const MonthStart& start : starts) {
                if (start.firstDay <= day) month = &start;
            }
            ASSERT_NE(month, nullptr);
            LunarDate expected = month->lunar;
            expected.day = static_cast<int>(SecondsBetween(month->firstDay, day) / 86400) + 1;
            EXPECT_EQ(ToLunar(day.year, day.month, day.day), expected)
                << day.year << "-" << day.month << "-" << day.day;
        }
    }
    // Major Cold of 1909 keeps its UTC+8 day in the solar-term table, and the year still turns
    // at that table's Start of Spring.
    const auto majorCold = lunar_tables::SolarTerm(1909, 2);
    ASSERT_TRUE(majorCold.has_value());
    EXPECT_EQ(majorCold->month * 100 + majorCold->day, 121);
    EXPECT_EQ(FormatLunar(At(1909, 2, 4, 18, 32, 30), "%Y"), "戊申");
    EXPECT_EQ(FormatLunar(At(1909, 2, 4, 18, 32, 31), "%Y"), "己酉");
}

// Every day of the range converts, and consecutive days step through the lunar calendar by one.
TEST(ToLunarTest, WholeRangeStepsDayByDay) {
    DateTime day{1901, 2, 19};
    LunarDate previous{1901, 1, 1, false};
    ASSERT_EQ(ToLunar(day.year, day.month, day.day), previous);
    int newYears = 1;
    while (true) {
        day = day.AddDays(1);
        const auto lunar = ToLunar(day.year, day.month, day.day);
        if (day.year == 2049) {
            EXPECT_FALSE(lunar.has_value());
            break;
        }
        ASSERT_TRUE(lunar.has_value()) << day.year << "-" << day.month << "-" << day.day;
        if (lunar->day != 1) {
            ASSERT_EQ(lunar->day, previous.day + 1);
            ASSERT_EQ(lunar->month, previous.month);
            ASSERT_EQ(lunar->leap, previous.leap);
        } else if (lunar->year != previous.year) {
            // New Year: 正月初一, after a last month of 29 or 30 days, in late January or February.
            ASSERT_EQ(lunar->year, previous.year + 1);
            ASSERT_EQ(lunar->month, 1);
            ASSERT_FALSE(lunar->leap);
            ASSERT_EQ(day.year, lunar->year);
            ASSERT_TRUE(day.month == 1 ? day.day >= 21 : day.month == 2 && day.day <= 20);
            ++newYears;
        } else {
            const bool leapOfPrevious = lunar->leap && lunar->month == previous.month;
            ASSERT_TRUE(leapOfPrevious || (!lunar->leap && lunar->month == previous.month + 1))
                << day.year << "-" << day.month << "-" << day.day;
        }
        if (lunar->day == 1) {
            ASSERT_TRUE(previous.day == 29 || previous.day == 30);
        }
        previous = *lunar;
    }
    EXPECT_EQ(newYears, 148);
    EXPECT_EQ(previous.year, 2048);
}

}  // namespace
}  // namespace yf
