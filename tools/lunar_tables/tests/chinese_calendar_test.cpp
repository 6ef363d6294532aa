// The calendar rules on made-up months, so each rule is exercised on purpose.
#include "chinese_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "timescale.h"

namespace lunar_tables {
namespace {

const std::int64_t kStart = DayNumber(2001, 11, 10);

// New moons alternating 30 and 29 days from kStart, for `count` months.
std::vector<CalendarMoment> Lunations(int count) {
    std::vector<CalendarMoment> moons;
    std::int64_t day = kStart;
    for (int i = 0; i <= count; ++i) {
        moons.push_back({0.0, day, day, 43200.0});
        day += i % 2 == 0 ? 30 : 29;
    }
    return moons;
}

// Principal terms in time order, the i-th on day `offset` of month `months[i]`. The calendar
// takes every twelfth term from the tenth as a winter solstice.
std::vector<CalendarMoment> Terms(const std::vector<CalendarMoment>& moons,
                                  const std::vector<std::pair<int, int>>& monthsAndOffsets) {
    std::vector<CalendarMoment> terms;
    for (const auto& [month, offset] : monthsAndOffsets) {
        const std::int64_t day = moons[month].chinaDay + offset;
        terms.push_back({0.0, day, day, 0.0});
    }
    return terms;
}

// One term on day 10 of each month in [first, last], except the months in `skipped`.
std::vector<std::pair<int, int>> OnePerMonth(int first, int last, std::vector<int> skipped = {}) {
    std::vector<std::pair<int, int>> result;
    for (int m = first; m <= last; ++m)
        if (std::find(skipped.begin(), skipped.end(), m) == skipped.end())
            result.push_back({m, 10});
    return result;
}

TEST(ChineseCalendarTest, TwelveMonthSpanHasNoLeapMonth) {
    const auto moons = Lunations(30);
    // Solstices (terms 9 and 21) in months 9 and 21.
    ChineseCalendar calendar(moons, Terms(moons, OnePerMonth(0, 23)), {});
    std::string error;
    ASSERT_TRUE(calendar.Build(error)) << error;
    const auto& months = calendar.Months();
    const int expected[] = {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(months[9 + i].number, expected[i]) << i;
        EXPECT_FALSE(months[9 + i].leap) << i;
    }
}

TEST(ChineseCalendarTest, FirstMonthWithoutPrincipalTermInThirteenIsLeap) {
    const auto moons = Lunations(30);
    // Solstices in months 9 and 22; months 14 and 18 have no principal term, month 20 has two.
    auto terms = OnePerMonth(0, 24, {14, 18});
    terms.insert(std::find(terms.begin(), terms.end(), std::pair{20, 10}), {20, 1});
    ChineseCalendar calendar(moons, Terms(moons, terms), {});
    std::string error;
    ASSERT_TRUE(calendar.Build(error)) << error;
    const auto& months = calendar.Months();
    EXPECT_EQ(months[13].number, 3);
    EXPECT_TRUE(months[14].leap);
    EXPECT_EQ(months[14].number, 3);
    EXPECT_FALSE(months[18].leap);
    EXPECT_EQ(months[18].number, 7);
    EXPECT_EQ(months[22].number, 11);
    EXPECT_FALSE(months[22].leap);
}

TEST(ChineseCalendarTest, YearWordPutsTheFirstMonthInTheTopBit) {
    const auto moons = Lunations(40);
    // Solstices in months 9, 22 and 34; month 14 is the leap month.
    ChineseCalendar calendar(moons, Terms(moons, OnePerMonth(0, 36, {14})), {});
    std::string error;
    ASSERT_TRUE(calendar.Build(error)) << error;
    int y = 0, m = 0, d = 0;
    CivilFromDayNumber(calendar.Months()[11].firstDay, y, m, d);
    LunarYear year{};
    ASSERT_TRUE(calendar.Year(y, year, error)) << error;
    EXPECT_EQ(year.leapMonth, 3);
    EXPECT_EQ(year.newYearDay, calendar.Months()[11].firstDay);
    // Month 11 of the made-up series (index 11, odd) has 29 days, then 30, 29, ...
    EXPECT_EQ(year.sizeWord, 0b0101010101010000);
}

TEST(ChineseCalendarTest, BeijingMeridianDifferencesMustBeListed) {
    auto moons = Lunations(30);
    moons[5].beijingDay = moons[5].chinaDay - 1;
    int y = 0, m = 0, d = 0;
    CivilFromDayNumber(moons[5].chinaDay, y, m, d);
    std::string error;
    {
        ChineseCalendar unlisted(moons, Terms(moons, OnePerMonth(0, 23)), {});
        EXPECT_FALSE(unlisted.Build(error));
        EXPECT_NE(error.find("unlisted"), std::string::npos) << error;
    }
    {
        error.clear();
        ChineseCalendar stale(
            moons, Terms(moons, OnePerMonth(0, 23)),
            {{MomentKind::NewMoon, y, m, d, PublishedDay::BeijingMeridian, "test"},
             {MomentKind::NewMoon, y, m, d + 1, PublishedDay::BeijingMeridian, "no such moment"}});
        EXPECT_FALSE(stale.Build(error));
    }
}

// A listed moment lands on the day its entry names; an unsettled one is accepted only where the
// tables cannot depend on it.
TEST(ChineseCalendarTest, ListedMomentsFollowThePublishedDay) {
    struct Case {
        const char* what;
        MomentKind kind;
        int termOffset;  // day of month 5 the moved term falls on (new moons: unused)
        PublishedDay published;
        bool builds;
        std::int64_t shift;  // of the moment's day against UTC+8, when it builds
    };
    const Case cases[] = {
        {"new moon at Beijing", MomentKind::NewMoon, 0, PublishedDay::BeijingMeridian, true, -1},
        {"new moon kept", MomentKind::NewMoon, 0, PublishedDay::ChinaStandard, true, 0},
        {"new moon unsettled", MomentKind::NewMoon, 0, PublishedDay::Unsettled, false, 0},
        {"term inside a month unsettled", MomentKind::PrincipalTerm, 10, PublishedDay::Unsettled,
         true, 0},
        {"term on a month's first day unsettled", MomentKind::PrincipalTerm, 0,
         PublishedDay::Unsettled, false, 0},
        {"term on a month's first day at Beijing", MomentKind::PrincipalTerm, 0,
         PublishedDay::BeijingMeridian, true, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto moons = Lunations(30);
        auto placement = OnePerMonth(0, 23);
        placement[5].second = c.termOffset;
        auto terms = Terms(moons, placement);
        CalendarMoment& moved = c.kind == MomentKind::NewMoon ? moons[5] : terms[5];
        moved.beijingDay = moved.chinaDay - 1;
        int y = 0, m = 0, d = 0;
        CivilFromDayNumber(moved.chinaDay, y, m, d);
        const std::int64_t chinaDay = moved.chinaDay;
        ChineseCalendar calendar(moons, terms, {{c.kind, y, m, d, c.published, "test"}});
        std::string error;
        ASSERT_EQ(calendar.Build(error), c.builds) << error;
        if (!c.builds) continue;
        const auto& months = calendar.Months();
        if (c.kind == MomentKind::NewMoon) {
            EXPECT_EQ(months[5].firstDay, chinaDay + c.shift);
        } else {
            // A term moved to the day before a month start belongs to the month before.
            const bool movedOut = chinaDay + c.shift < months[5].firstDay;
            EXPECT_EQ(months[5].hasPrincipalTerm, !movedOut);
            EXPECT_EQ(months[4].hasPrincipalTerm, true);
        }
    }
}

}  // namespace
}  // namespace lunar_tables
