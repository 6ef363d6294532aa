#include "timescale.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace lunar_tables {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// Day number (from 1970-01-01) of J2000.0's date, 2000-01-01; J2000.0 itself is noon of it.
constexpr double kJ2000DayNumber = 10957.5;
// Curvature of Delta-T from tidal braking, seconds per year squared (32 s/cy^2 * 2 / 100^2).
constexpr double kDeltaTCurvature = 0.0064;

}  // namespace

std::int64_t DayNumber(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDayNumber(std::int64_t dayNumber, int& year, int& month, int& day) {
    dayNumber += 719468;
    const std::int64_t era = (dayNumber >= 0 ? dayNumber : dayNumber - 146096) / 146097;
    const std::int64_t dayOfEra = dayNumber - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
    month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

bool DeltaT::Load(const std::string& path, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        double year = 0, value = 0;
        fields >> year >> value;
        if (fields.fail() || (!years_.empty() && year <= years_.back())) {
            error = path + ": malformed or unordered line: " + line;
            return false;
        }
        years_.push_back(year);
        values_.push_back(value);
    }
    if (years_.size() < 2) {
        error = path + ": too few values";
        return false;
    }
    return true;
}

double DeltaT::Seconds(double decimalYear) const {
    if (decimalYear <= years_.front()) return values_.front();
    if (decimalYear >= years_.back()) {
        const double elapsed = decimalYear - years_.back();
        return values_.back() + 0.5 * kDeltaTCurvature * elapsed * elapsed;
    }
    const auto upper = std::upper_bound(years_.begin(), years_.end(), decimalYear);
    const std::size_t i = static_cast<std::size_t>(upper - years_.begin());
    const double fraction = (decimalYear - years_[i - 1]) / (years_[i] - years_[i - 1]);
    return values_[i - 1] + fraction * (values_[i] - values_[i - 1]);
}

double Clock::LocalSeconds(double ttDays, int offsetSeconds) const {
    const double decimalYear = 2000.0 + ttDays / 365.25;
    const double utDays = ttDays - deltaT_.Seconds(decimalYear) / kSecondsPerDay;
    return (utDays + kJ2000DayNumber) * kSecondsPerDay + offsetSeconds;
}

LocalTime Clock::Local(double ttDays, int offsetSeconds) const {
    const auto seconds =
        static_cast<std::int64_t>(std::llround(LocalSeconds(ttDays, offsetSeconds)));
    const std::int64_t dayNumber = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const std::int64_t secondOfDay = seconds - dayNumber * 86400;
    LocalTime local{};
    CivilFromDayNumber(dayNumber, local.year, local.month, local.day);
    local.hour = static_cast<int>(secondOfDay / 3600);
    local.minute = static_cast<int>(secondOfDay / 60 % 60);
    local.second = static_cast<int>(secondOfDay % 60);
    return local;
}

double Clock::TtFromUt(double utDays) const {
    return utDays + deltaT_.Seconds(2000.0 + utDays / 365.25) / kSecondsPerDay;
}

double UtDaysFromDate(int year, int month, int day) {
    return static_cast<double>(DayNumber(year, month, day)) - kJ2000DayNumber;
}

}  // namespace lunar_tables
