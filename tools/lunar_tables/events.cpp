#include "events.h"

#include <cmath>
#include <stdexcept>

namespace lunar_tables {
namespace {

// Stop when a step is below a millisecond.
constexpr double kToleranceDays = 1e-3 / 86400.0;
constexpr int kMaxIterations = 30;

// Secant iteration on an angle difference that grows at about `rate` radians per day, wrapped so
// that the root nearest the guess is found.
template <typename Difference>
double SolveAngle(const Difference& difference, double guessDays, double rate) {
    double t0 = guessDays;
    double f0 = difference(t0);
    double t1 = t0 - f0 / rate;
    for (int i = 0; i < kMaxIterations; ++i) {
        const double f1 = difference(t1);
        const double slope = (f1 - f0) / (t1 - t0);
        const double next = t1 - f1 / (std::isfinite(slope) && slope > 0 ? slope : rate);
        t0 = t1;
        f0 = f1;
        t1 = next;
        if (std::fabs(t1 - t0) < kToleranceDays) return t1;
    }
    throw std::runtime_error("angle search did not converge");
}

}  // namespace

double SunReaches(const Ephemeris& ephemeris, double longitude, double guessDays) {
    constexpr double kMeanRate = kTwoPi / 365.2422;
    return SolveAngle([&](double t) { return WrapPi(ephemeris.SunLongitude(t) - longitude); },
                      guessDays, kMeanRate);
}

double NewMoonNear(const Ephemeris& ephemeris, double guessDays) {
    constexpr double kMeanRate = kTwoPi / 29.530588861;
    return SolveAngle([&](double t) { return ephemeris.Elongation(t); }, guessDays, kMeanRate);
}

double MeanNewMoon(int lunation) {
    // Mean new moon of 2000 January 6 and the mean synodic month.
    return 5.09766 + 29.530588861 * lunation;
}

}  // namespace lunar_tables
