// The rules of the Chinese calendar applied to computed new moons and principal terms: months
// start on the local day of the new moon, the month holding the winter solstice is month 11, and
// in a solstice-to-solstice span of 13 months the first month without a principal term is leap.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lunar_tables {

// A moment the calendar depends on, with its local day in UTC+8 and in Beijing mean time.
struct CalendarMoment {
    double ttDays;
    std::int64_t chinaDay;    // day number (from 1970-01-01) at UTC+8
    std::int64_t beijingDay;  // the same at the Beijing meridian
    double chinaSecondOfDay;  // seconds after local midnight at UTC+8
};

enum class MomentKind { NewMoon, PrincipalTerm };

// Which day the published calendar gives a moment that falls on one day at UTC+8 and on the day
// before at the Beijing meridian.
enum class PublishedDay {
    // The calendar was reckoned at the Beijing meridian: the day before.
    BeijingMeridian,
    // The calendar, by its own theory, put the moment after midnight: the UTC+8 day.
    ChinaStandard,
    // Not settled by any reasoning here; the UTC+8 day is used and Build() fails unless both
    // days lie in the same lunar month, so the tables do not depend on it.
    Unsettled,
};

// A moment on which the published calendar may depart from the UTC+8 reckoning.
struct PublishedException {
    MomentKind kind;
    int year, month, day;  // local date of the moment at UTC+8
    PublishedDay published;
    const char* reason;
};

struct LunarMonth {
    std::int64_t firstDay;
    int number = 0;  // 1..12
    bool leap = false;
    bool hasPrincipalTerm = false;
};

struct LunarYear {
    int year;
    std::uint16_t sizeWord;  // month lengths, first month in the top bit, 1 = 30 days
    int leapMonth;           // 0 = none
    std::int64_t newYearDay;
};

class ChineseCalendar {
  public:
    // `newMoons` and `principalTerms` in time order, covering a few months either side of the
    // years wanted.
    ChineseCalendar(std::vector<CalendarMoment> newMoons,
                    std::vector<CalendarMoment> principalTerms,
                    std::vector<PublishedException> exceptions);

    // Builds the months; false with a message when the rules or the exception list do not hold.
    bool Build(std::string& error);
    // The lunar year whose first month starts in Gregorian year `year`.
    bool Year(int year, LunarYear& result, std::string& error) const;

    const std::vector<LunarMonth>& Months() const { return months_; }

  private:
    std::int64_t LocalDay(const CalendarMoment& moment, MomentKind kind, std::string& error);
    bool CheckExceptionsUsed(std::string& error) const;
    bool CheckUnsettledDays(const std::vector<std::int64_t>& starts, std::string& error) const;

    std::vector<CalendarMoment> newMoons_, principalTerms_;
    std::vector<PublishedException> exceptions_;
    std::vector<bool> exceptionUsed_;
    // The two candidate days of each unsettled moment met, UTC+8 first.
    std::vector<std::pair<std::int64_t, std::int64_t>> unsettledDays_;
    std::vector<LunarMonth> months_;
};

// The departures of the published calendar from the UTC+8 rule, each with its reason.
std::vector<PublishedException> PublishedCalendarExceptions();

}  // namespace lunar_tables
