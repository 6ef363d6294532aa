// From dynamical time (TT, days from J2000.0) to the civil clock of a time zone, through the
// observed and extrapolated Delta-T.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lunar_tables {

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DayNumber(int year, int month, int day);
void CivilFromDayNumber(std::int64_t dayNumber, int& year, int& month, int& day);

struct LocalTime {
    int year, month, day, hour, minute, second;
    std::int64_t DayNumber() const { return lunar_tables::DayNumber(year, month, day); }
};

// TT - UT1 in seconds.
class DeltaT {
  public:
    bool Load(const std::string& path, std::string& error);
    // Linear between observations; beyond the last one the curvature of the long-term tidal
    // parabola (32 s per century squared) is added to the last value, starting with no slope.
    double Seconds(double decimalYear) const;
    double LastObservedYear() const { return years_.empty() ? 0 : years_.back(); }

  private:
    std::vector<double> years_, values_;
};

// UTC+8, the zone of the published calendar since 1929.
constexpr int kChinaStandardOffsetSeconds = 8 * 3600;
// Mean solar time of the Beijing meridian (116 deg 25 min E), the reckoning before 1929.
constexpr int kBeijingMeanTimeOffsetSeconds = 7 * 3600 + 45 * 60 + 40;

class Clock {
  public:
    explicit Clock(const DeltaT& deltaT) : deltaT_(deltaT) {}
    // Seconds from 1970-01-01 00:00 of the zone's clock (UT taken for UTC; |UTC - UT1| < 0.9 s).
    double LocalSeconds(double ttDays, int offsetSeconds) const;
    // The zone's clock time, rounded to the nearest second.
    LocalTime Local(double ttDays, int offsetSeconds) const;
    // TT days of a moment given in UT (days from J2000.0 UT).
    double TtFromUt(double utDays) const;

  private:
    const DeltaT& deltaT_;
};

// Days from J2000.0 (UT) of 0h UT on a civil date.
double UtDaysFromDate(int year, int month, int day);

}  // namespace lunar_tables
