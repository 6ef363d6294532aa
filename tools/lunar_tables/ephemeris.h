// The astronomy behind the lunar tables: the Earth from VSOP87B, the Moon from ELP/MPP02, the
// IAU 2006 precession and IAU 2000A nutation, and from them the apparent ecliptic longitudes of
// the Sun and the Moon. Time is TT in days from J2000.0 (JD 2451545.0) throughout.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace lunar_tables {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

using Matrix3 = std::array<std::array<double, 3>, 3>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
constexpr double kArcsecond = kPi / (180.0 * 3600.0);
constexpr double kDaysPerCentury = 36525.0;

// Wraps an angle into [-pi, pi).
double WrapPi(double angle);
double Length(const Vec3& v);
Vec3 Multiply(const Matrix3& m, const Vec3& v);

// Heliocentric position of the Earth in au, ecliptic and equinox J2000 (VSOP87B, full series).
class Vsop87Earth {
  public:
    bool Load(const std::string& path, std::string& error);
    Vec3 Position(double days) const;

  private:
    struct Term {
        double amplitude, phase, frequency;
    };
    // series_[coordinate][power of time]
    std::array<std::vector<std::vector<Term>>, 3> series_;
};

// Geocentric position of the Moon in km, inertial ecliptic and equinox J2000 (ELP/MPP02 fitted
// to DE405, full series).
class ElpMpp02Moon {
  public:
    bool Load(const std::string& path, std::string& error);
    Vec3 Position(double days) const;
    // Longitude, latitude (radians, mean ecliptic of date from the J2000 departure point) and
    // distance (km) before the ecliptic rotation; exposed for the reference-value test.
    std::array<double, 3> Spherical(double days) const;

  private:
    struct Term {
        double amplitude;
        std::array<double, 5> argument;  // polynomial in Julian centuries
    };
    std::array<double, 5> meanLongitude_{};
    std::array<std::vector<std::vector<Term>>, 3> series_;
};

// Nutation in longitude, IAU 2000A with the IAU 2006 adjustments, in radians.
class Nutation {
  public:
    bool Load(const std::string& path, std::string& error);
    double InLongitude(double days) const;

  private:
    struct LuniSolar {
        std::array<int, 5> multipliers;
        double sine, sineRate, cosine;
    };
    struct Planetary {
        std::array<int, 14> multipliers;
        double sine, cosine;
    };
    std::vector<LuniSolar> luniSolar_;
    std::vector<Planetary> planetary_;
};

// Rotation from GCRS to the true ecliptic and equinox of date: IAU 2006 (Fukushima-Williams)
// precession, bias included, plus nutation in longitude.
Matrix3 GcrsToEclipticOfDate(double days, double nutationInLongitude);
// The same from the J2000 mean ecliptic and equinox.
Matrix3 EclipticOfDate(double days, double nutationInLongitude);

class Ephemeris {
  public:
    bool Load(const std::string& dataDirectory, std::string& error);

    // Apparent geocentric ecliptic longitudes, true equinox of date, radians (the Sun in
    // [0, 2pi); the Moon within microradians of that range).
    double SunLongitude(double days) const;
    double MoonLongitude(double days) const;
    // Moon minus Sun, wrapped to [-pi, pi): zero at new moon.
    double Elongation(double days) const;

    const Vsop87Earth& Earth() const { return earth_; }
    const ElpMpp02Moon& Moon() const { return moon_; }
    const Nutation& Nutations() const { return nutation_; }

  private:
    double ApparentLongitude(const Vec3& gcrs, double days) const;

    Vsop87Earth earth_;
    ElpMpp02Moon moon_;
    Nutation nutation_;
};

}  // namespace lunar_tables
