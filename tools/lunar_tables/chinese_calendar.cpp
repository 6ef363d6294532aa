#include "chinese_calendar.h"

#include <algorithm>

#include "timescale.h"

namespace lunar_tables {
namespace {

std::string DateText(std::int64_t dayNumber) {
    int year = 0, month = 0, day = 0;
    CivilFromDayNumber(dayNumber, year, month, day);
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
}

const char* KindText(MomentKind kind) {
    return kind == MomentKind::NewMoon ? "new moon" : "principal term";
}

}  // namespace

ChineseCalendar::ChineseCalendar(std::vector<CalendarMoment> newMoons,
                                 std::vector<CalendarMoment> principalTerms,
                                 std::vector<PublishedException> exceptions)
    : newMoons_(std::move(newMoons)),
      principalTerms_(std::move(principalTerms)),
      exceptions_(std::move(exceptions)),
      exceptionUsed_(exceptions_.size(), false) {}

// The UTC+8 day, unless the moment is listed as one where the published calendar put it on the
// day before, as the Beijing meridian does. Any moment that differs there and is left off the list
// is an error, so the list stays complete.
std::int64_t ChineseCalendar::LocalDay(const CalendarMoment& moment, MomentKind kind,
                                       std::string& error) {
    for (std::size_t i = 0; i < exceptions_.size(); ++i) {
        const PublishedException& e = exceptions_[i];
        if (e.kind == kind && DayNumber(e.year, e.month, e.day) == moment.chinaDay) {
            if (moment.beijingDay == moment.chinaDay) {
                error = std::string("listed exception for the ") + KindText(kind) + " of " +
                        DateText(moment.chinaDay) + " does not differ at the Beijing meridian";
                return moment.chinaDay;
            }
            exceptionUsed_[i] = true;
            switch (e.published) {
                case PublishedDay::BeijingMeridian:
                    return moment.beijingDay;
                case PublishedDay::Unsettled:
                    unsettledDays_.emplace_back(moment.chinaDay, moment.beijingDay);
                    return moment.chinaDay;
                case PublishedDay::ChinaStandard:
                    return moment.chinaDay;
            }
        }
    }
    if (moment.beijingDay != moment.chinaDay) {
        error = std::string("unlisted difference: the ") + KindText(kind) + " of " +
                DateText(moment.chinaDay) + " falls on " + DateText(moment.beijingDay) +
                " at the Beijing meridian";
    }
    return moment.chinaDay;
}

bool ChineseCalendar::CheckExceptionsUsed(std::string& error) const {
    for (std::size_t i = 0; i < exceptions_.size(); ++i) {
        if (!exceptionUsed_[i]) {
            const PublishedException& e = exceptions_[i];
            error = std::string("listed exception matches no ") + KindText(e.kind) + ": " +
                    std::to_string(e.year) + "-" + std::to_string(e.month) + "-" +
                    std::to_string(e.day);
            return false;
        }
    }
    return true;
}

// An unsettled moment may sit on either of its days only if both lie in one month: then no month
// start and no month's principal term depends on which day the published calendar chose.
bool ChineseCalendar::CheckUnsettledDays(const std::vector<std::int64_t>& starts,
                                         std::string& error) const {
    const auto monthOf = [&starts](std::int64_t day) {
        return std::upper_bound(starts.begin(), starts.end(), day) - starts.begin();
    };
    for (const auto& [chinaDay, otherDay] : unsettledDays_) {
        if (monthOf(chinaDay) != monthOf(otherDay)) {
            error = "the tables depend on the unsettled day of the moment of " +
                    DateText(chinaDay) + " (or " + DateText(otherDay) + ")";
            return false;
        }
    }
    return true;
}

bool ChineseCalendar::Build(std::string& error) {
    std::vector<std::int64_t> starts, termDays;
    for (const CalendarMoment& m : newMoons_) {
        starts.push_back(LocalDay(m, MomentKind::NewMoon, error));
        if (!error.empty()) return false;
    }
    for (const CalendarMoment& m : principalTerms_) {
        termDays.push_back(LocalDay(m, MomentKind::PrincipalTerm, error));
        if (!error.empty()) return false;
    }
    if (!CheckExceptionsUsed(error) || !CheckUnsettledDays(starts, error)) return false;

    // The last new moon only closes the month before it.
    months_.assign(starts.size() - 1, LunarMonth{});
    std::vector<std::size_t> solsticeMonths;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        months_[i].firstDay = starts[i];
        const std::int64_t length = starts[i + 1] - starts[i];
        if (length != 29 && length != 30) {
            error = "month of " + DateText(starts[i]) + " has " + std::to_string(length) + " days";
            return false;
        }
        for (std::size_t t = 0; t < termDays.size(); ++t) {
            if (termDays[t] < starts[i] || termDays[t] >= starts[i + 1]) continue;
            months_[i].hasPrincipalTerm = true;
            // Principal terms are listed from the spring equinox on, so every twelfth from the
            // tenth is a winter solstice.
            if (t % 12 == 9) solsticeMonths.push_back(i);
        }
    }
    if (solsticeMonths.size() < 2) {
        error = "too few winter solstices";
        return false;
    }
    for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
        const std::size_t first = solsticeMonths[s], next = solsticeMonths[s + 1];
        const std::size_t count = next - first;
        if (count != 12 && count != 13) {
            error = "solstice span from " + DateText(months_[first].firstDay) + " has " +
                    std::to_string(count) + " months";
            return false;
        }
        std::size_t leap = next;  // none
        if (count == 13) {
            for (std::size_t i = first + 1; i < next && leap == next; ++i)
                if (!months_[i].hasPrincipalTerm) leap = i;
            if (leap == next) {
                error = "13-month span from " + DateText(months_[first].firstDay) +
                        " has no month without a principal term";
                return false;
            }
        }
        int number = 11;
        months_[first].number = 11;
        for (std::size_t i = first + 1; i < next; ++i) {
            if (i == leap) {
                months_[i].leap = true;
            } else {
                number = number % 12 + 1;
            }
            months_[i].number = number;
        }
    }
    // The month of the last solstice is month 11 by definition; months outside the solstice
    // spans stay unnumbered and Year() refuses them.
    months_[solsticeMonths.back()].number = 11;
    return true;
}

bool ChineseCalendar::Year(int year, LunarYear& result, std::string& error) const {
    const auto isNewYear = [&](const LunarMonth& m, int y) {
        if (m.number != 1 || m.leap) return false;
        int civilYear = 0, month = 0, day = 0;
        CivilFromDayNumber(m.firstDay, civilYear, month, day);
        return civilYear == y;
    };
    const auto begin = std::find_if(months_.begin(), months_.end(),
                                    [&](const LunarMonth& m) { return isNewYear(m, year); });
    const auto end = std::find_if(months_.begin(), months_.end(),
                                  [&](const LunarMonth& m) { return isNewYear(m, year + 1); });
    if (begin == months_.end() || end == months_.end() || end <= begin) {
        error = "lunar year " + std::to_string(year) + " is not covered";
        return false;
    }
    const auto count = end - begin;
    if (count != 12 && count != 13) {
        error = "lunar year " + std::to_string(year) + " has " + std::to_string(count) + " months";
        return false;
    }
    result = LunarYear{year, 0, 0, begin->firstDay};
    int bit = 15;
    for (auto m = begin; m != end; ++m, --bit) {
        if (m->number == 0) {
            error = "lunar year " + std::to_string(year) + " reaches an unnumbered month";
            return false;
        }
        const std::int64_t length = (m + 1)->firstDay - m->firstDay;
        if (length == 30) result.sizeWord |= static_cast<std::uint16_t>(1u << bit);
        if (m->leap) result.leapMonth = m->number;
    }
    return true;
}

// Until the end of 1928 the calendar was reckoned in the mean solar time of the Beijing meridian
// (116 deg 25 min E, UTC+7:45:40). The Central Observatory in Beijing computed the calendars of
// 1912 to 1928 from modern tables at that meridian, so a new moon or principal term in the first
// 14 min 20 s of a UTC+8 day belongs to the day before, and calendars published since keep those
// dates. The calendars to 1911 were the Qing court's, reckoned by its own older theory of the Sun
// and the Moon, whose moments can be off by more than those minutes (the new moon of 1906 is one
// such): for them the Beijing meridian settles nothing, and the published calendar decides.
// Build() checks that this list names exactly the moments that differ at the Beijing meridian.
std::vector<PublishedException> PublishedCalendarExceptions() {
    constexpr const char* kRepublic =
        "Central Observatory calendar reckoned at the Beijing meridian: 23:5x on the day before";
    return {
        {MomentKind::NewMoon, 1906, 4, 24, PublishedDay::ChinaStandard,
         "Qing court calendar, reckoned by its own older lunar theory: the published tables "
         "start the fourth month on 24 April (23 April is the thirtieth of the third month)"},
        {MomentKind::PrincipalTerm, 1909, 1, 21, PublishedDay::Unsettled,
         "Qing court calendar, reckoned by its own older solar theory: Major Cold 3 minutes before "
         "midnight at Beijing is not settled by the meridian; 20 and 21 January both lie in the "
         "twelfth month, so no month depends on it"},
        // The tenth month of 1914 starts on 17 November.
        {MomentKind::NewMoon, 1914, 11, 18, PublishedDay::BeijingMeridian, kRepublic},
        // Lunar New Year 1916 on 3 February.
        {MomentKind::NewMoon, 1916, 2, 4, PublishedDay::BeijingMeridian, kRepublic},
        // The tenth month of 1920 starts on 10 November.
        {MomentKind::NewMoon, 1920, 11, 11, PublishedDay::BeijingMeridian, kRepublic},
        // Summer Solstice of 1928 on 21 June (no month boundary moves).
        {MomentKind::PrincipalTerm, 1928, 6, 22, PublishedDay::BeijingMeridian, kRepublic},
    };
}

}  // namespace lunar_tables
