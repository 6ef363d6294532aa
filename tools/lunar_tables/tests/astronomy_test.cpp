// The generator's astronomy against published reference values and well-observed moments.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris.h"
#include "events.h"
#include "timescale.h"

namespace lunar_tables {
namespace {

class AstronomyTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        ASSERT_TRUE(ephemeris_.Load(LUNAR_TABLES_DATA_DIR, error)) << error;
        ASSERT_TRUE(deltaT_.Load(std::string(LUNAR_TABLES_DATA_DIR) + "/delta_t.txt", error))
            << error;
    }

    // Seconds from `expected` (UT) to the computed moment.
    static double SecondsFrom(double ttDays, int year, int month, int day, int hour, int minute) {
        const Clock clock(deltaT_);
        const double expected = static_cast<double>(DayNumber(year, month, day)) * 86400.0 +
                                hour * 3600.0 + minute * 60.0;
        return clock.LocalSeconds(ttDays, 0) - expected;
    }

    static Ephemeris ephemeris_;
    static DeltaT deltaT_;
};

Ephemeris AstronomyTest::ephemeris_;
DeltaT AstronomyTest::deltaT_;

TEST_F(AstronomyTest, MoonMatchesTheTheorysReferenceAtJ2000) {
    // ELP/MPP02, DE405 constants, JD 2451545.0: the authors' example values.
    const auto moon = ephemeris_.Moon().Spherical(0.0);
    EXPECT_NEAR(WrapPi(moon[0]), -2.385534575256455, 1e-11);
    EXPECT_NEAR(moon[1], 0.09024868423130429, 1e-11);
    EXPECT_NEAR(moon[2], 402448.6385830673, 1e-3);
}

TEST_F(AstronomyTest, NutationMatchesTheIauReferenceValue) {
    // IAU 2000A with the 2006 adjustments at MJD 53736 TT, the SOFA test case.
    EXPECT_NEAR(ephemeris_.Nutations().InLongitude(53736.0 + 2400000.5 - 2451545.0),
                -0.9630912025820308797e-5, 1e-13);
}

struct KnownMoment {
    const char* name;
    int year, month, day, hour, minute;  // UT, to the minute as published
};

TEST_F(AstronomyTest, SolarTermsFallOnTheObservedMinute) {
    const KnownMoment moments[] = {
        {"March equinox 2000", 2000, 3, 20, 7, 35},
        {"June solstice 2000", 2000, 6, 21, 1, 48},
        {"December solstice 2012", 2012, 12, 21, 11, 12},
    };
    const double longitudes[] = {0.0, kPi / 2, 3 * kPi / 2};
    for (int i = 0; i < 3; ++i) {
        const KnownMoment& m = moments[i];
        const double guess = UtDaysFromDate(m.year, m.month, m.day);
        const double t = SunReaches(ephemeris_, longitudes[i], guess);
        EXPECT_NEAR(SecondsFrom(t, m.year, m.month, m.day, m.hour, m.minute), 30.0, 60.0) << m.name;
    }
}

TEST_F(AstronomyTest, NewMoonsFallOnTheObservedMinute) {
    const KnownMoment moments[] = {
        {"January 2000", 2000, 1, 6, 18, 14},
        {"total eclipse of July 2009", 2009, 7, 22, 2, 35},
        {"total eclipse of August 2017", 2017, 8, 21, 18, 30},
    };
    for (const KnownMoment& m : moments) {
        const double t = NewMoonNear(ephemeris_, UtDaysFromDate(m.year, m.month, m.day));
        EXPECT_NEAR(SecondsFrom(t, m.year, m.month, m.day, m.hour, m.minute), 30.0, 60.0) << m.name;
        EXPECT_NEAR(ephemeris_.Elongation(t), 0.0, 1e-9) << m.name;
    }
}

TEST_F(AstronomyTest, DeltaTFollowsObservationsAndExtrapolatesSmoothly) {
    // Observed: about 64 s in 2000, 69 s in the early 2020s, below zero around 1900.
    EXPECT_NEAR(deltaT_.Seconds(2000.0), 63.8, 0.3);
    EXPECT_NEAR(deltaT_.Seconds(1900.0), -2.7, 0.3);
    const double last = deltaT_.LastObservedYear();
    EXPECT_NEAR(deltaT_.Seconds(last + 1e-6), deltaT_.Seconds(last - 1e-6), 1e-3);
    double previous = deltaT_.Seconds(last);
    for (double year = last + 5; year < 2080; year += 5) {
        const double value = deltaT_.Seconds(year);
        EXPECT_GT(value, previous) << year;
        previous = value;
    }
}

}  // namespace
}  // namespace lunar_tables
