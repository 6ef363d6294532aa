// The moments the calendar is built from: the Sun reaching a given apparent longitude, and new
// moons (the Moon's apparent longitude equal to the Sun's).
#pragma once

#include "ephemeris.h"

namespace lunar_tables {

// TT days from J2000.0 of the moment near `guessDays` (within a few days) at which the Sun's
// apparent longitude is `longitude` (radians).
double SunReaches(const Ephemeris& ephemeris, double longitude, double guessDays);

// TT days of the new moon nearest `guessDays` (within about a week).
double NewMoonNear(const Ephemeris& ephemeris, double guessDays);

// TT days of the mean new moon number `lunation` (0 = January 2000): a starting guess.
double MeanNewMoon(int lunation);

}  // namespace lunar_tables
