// Evaluation of the published series kept in data/; see docs/lunar-tables.md for the models.
#include "ephemeris.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace lunar_tables {
namespace {

constexpr double kSpeedOfLightKmPerSecond = 299792.458;
// Light time for one au, seconds (IAU 2012 au and c).
constexpr double kAuLightSeconds = 499.004783836;
constexpr double kSecondsPerDay = 86400.0;

double Polynomial(double t, const double* coefficients, int count) {
    double sum = 0;
    for (int i = count - 1; i >= 0; --i) sum = sum * t + coefficients[i];
    return sum;
}

Matrix3 RotationX(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return Matrix3{{{1, 0, 0}, {0, c, s}, {0, -s, c}}};
}

Matrix3 RotationZ(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return Matrix3{{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}};
}

Matrix3 Product(const Matrix3& a, const Matrix3& b) {
    Matrix3 result{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) result[i][j] += a[i][k] * b[k][j];
    return result;
}

Matrix3 Transpose(const Matrix3& m) {
    Matrix3 result{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) result[i][j] = m[j][i];
    return result;
}

// Reads the non-comment lines of a data file, one stream per line.
bool ForEachDataLine(const std::string& path, std::string& error, const auto& handleLine) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        if (!handleLine(fields) || fields.fail()) {
            error = path + ":" + std::to_string(number) + ": malformed line";
            return false;
        }
    }
    return true;
}

int CoordinateIndex(const std::string& name) {
    if (name == "L") return 0;
    if (name == "B") return 1;
    if (name == "R") return 2;
    return -1;
}

template <typename Term>
void Place(std::vector<std::vector<Term>>& series, int power, const Term& term) {
    if (static_cast<int>(series.size()) <= power) series.resize(power + 1);
    series[power].push_back(term);
}

// The IAU 2006 precession angles of Fukushima and Williams (bias included), radians.
struct PrecessionAngles {
    double gamma, phi, psi;
};

PrecessionAngles FukushimaWilliams(double centuries) {
    static constexpr double kGamma[] = {-0.052928,   10.556378,    0.4932044,
                                        -0.00031238, -0.000002788, 0.0000000260};
    static constexpr double kPhi[] = {84381.412819, -46.811016,   0.0511268,
                                      0.00053289,   -0.000000440, -0.0000000176};
    static constexpr double kPsi[] = {-0.041775,   5038.481484,  1.5584175,
                                      -0.00018522, -0.000026452, -0.0000000148};
    return {Polynomial(centuries, kGamma, 6) * kArcsecond,
            Polynomial(centuries, kPhi, 6) * kArcsecond,
            Polynomial(centuries, kPsi, 6) * kArcsecond};
}

// Ecliptic of date from GCRS, the way the IAU 2006 angles are defined.
Matrix3 GcrsToEcliptic(const PrecessionAngles& a, double nutationInLongitude) {
    return Product(RotationZ(-(a.psi + nutationInLongitude)),
                   Product(RotationX(a.phi), RotationZ(a.gamma)));
}

// VSOP87's dynamical ecliptic and equinox J2000 to the FK5 equator, as the theory's documentation
// gives it; FK5 is then taken for GCRS (they differ by some 0.02").
constexpr Matrix3 kVsop87ToFk5{{{1.0, 0.000000440360, -0.000000190919},
                                {-0.000000479966, 0.917482137087, -0.397776982902},
                                {0.0, 0.397776982902, 0.917482137087}}};

// ELP/MPP02 gives J2000 mean-ecliptic coordinates; this takes them to GCRS.
const Matrix3& J2000EclipticToGcrs() {
    static const Matrix3 matrix = Transpose(GcrsToEcliptic(FukushimaWilliams(0), 0));
    return matrix;
}

}  // namespace

double WrapPi(double angle) {
    angle = std::fmod(angle + kPi, kTwoPi);
    if (angle < 0) angle += kTwoPi;
    return angle - kPi;
}

double Length(const Vec3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vec3 Multiply(const Matrix3& m, const Vec3& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

bool Vsop87Earth::Load(const std::string& path, std::string& error) {
    return ForEachDataLine(path, error, [this](std::istringstream& fields) {
        std::string coordinate;
        int power = 0;
        Term term{};
        fields >> coordinate >> power >> term.amplitude >> term.phase >> term.frequency;
        const int index = CoordinateIndex(coordinate);
        if (index < 0 || power < 0 || power > 5) return false;
        Place(series_[index], power, term);
        return true;
    });
}

Vec3 Vsop87Earth::Position(double days) const {
    const double millennia = days / (10 * kDaysPerCentury);
    std::array<double, 3> values{};
    for (int c = 0; c < 3; ++c) {
        double value = 0;
        for (int power = static_cast<int>(series_[c].size()) - 1; power >= 0; --power) {
            double sum = 0;
            for (const Term& term : series_[c][power])
                sum += term.amplitude * std::cos(term.phase + term.frequency * millennia);
            value = value * millennia + sum;
        }
        values[c] = value;
    }
    const double longitude = values[0], latitude = values[1], radius = values[2];
    return {radius * std::cos(latitude) * std::cos(longitude),
            radius * std::cos(latitude) * std::sin(longitude), radius * std::sin(latitude)};
}

bool ElpMpp02Moon::Load(const std::string& path, std::string& error) {
    return ForEachDataLine(path, error, [this](std::istringstream& fields) {
        std::string coordinate;
        fields >> coordinate;
        if (coordinate == "W1") {
            for (double& c : meanLongitude_) fields >> c;
            return true;
        }
        int power = 0;
        Term term{};
        fields >> power >> term.amplitude;
        for (double& c : term.argument) fields >> c;
        const int index = CoordinateIndex(coordinate);
        if (index < 0 || power < 0 || power > 3) return false;
        Place(series_[index], power, term);
        return true;
    });
}

std::array<double, 3> ElpMpp02Moon::Spherical(double days) const {
    const double t = days / kDaysPerCentury;
    std::array<double, 3> values{};
    for (int c = 0; c < 3; ++c) {
        double value = 0;
        for (int power = static_cast<int>(series_[c].size()) - 1; power >= 0; --power) {
            double sum = 0;
            for (const Term& term : series_[c][power]) {
                const auto& a = term.argument;
                sum += term.amplitude *
                       std::sin(a[0] + t * (a[1] + t * (a[2] + t * (a[3] + t * a[4]))));
            }
            value = value * t + sum;
        }
        values[c] = value;
    }
    const double longitude = Polynomial(t, meanLongitude_.data(), 5) + values[0] * kArcsecond;
    return {longitude, values[1] * kArcsecond, values[2]};
}

Vec3 ElpMpp02Moon::Position(double days) const {
    const auto [longitude, latitude, distance] = Spherical(days);
    const Vec3 ofDate{distance * std::cos(latitude) * std::cos(longitude),
                      distance * std::cos(latitude) * std::sin(longitude),
                      distance * std::sin(latitude)};
    // Laskar's P and Q carry the ecliptic of date back to the J2000 ecliptic, as the theory
    // prescribes.
    static constexpr double kP[] = {
        0, 0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
    static constexpr double kQ[] = {
        0, -0.113469002e-3, 0.12372674e-6, 0.12654170e-8, -0.1371808e-11, -0.320334e-14};
    const double t = days / kDaysPerCentury;
    const double p = Polynomial(t, kP, 6), q = Polynomial(t, kQ, 6);
    const double root = 2 * std::sqrt(1 - p * p - q * q);
    const Matrix3 rotation{{{1 - 2 * p * p, 2 * p * q, p * root},
                            {2 * p * q, 1 - 2 * q * q, -q * root},
                            {-p * root, q * root, 1 - 2 * p * p - 2 * q * q}}};
    return Multiply(rotation, ofDate);
}

bool Nutation::Load(const std::string& path, std::string& error) {
    return ForEachDataLine(path, error, [this](std::istringstream& fields) {
        std::string kind;
        fields >> kind;
        double ignored = 0;
        if (kind == "LS") {
            LuniSolar term{};
            for (int& m : term.multipliers) fields >> m;
            fields >> term.sine >> term.sineRate >> term.cosine >> ignored >> ignored >> ignored;
            luniSolar_.push_back(term);
            return true;
        }
        if (kind == "PL") {
            Planetary term{};
            for (int i = 0; i < 13; ++i) fields >> term.multipliers[i];
            term.multipliers[13] = 0;
            fields >> term.sine >> term.cosine >> ignored >> ignored;
            planetary_.push_back(term);
            return true;
        }
        return false;
    });
}

double Nutation::InLongitude(double days) const {
    const double t = days / kDaysPerCentury;
    const auto turn = [](double arcseconds) {
        return std::fmod(arcseconds, 1296000.0) * kArcsecond;
    };
    // Delaunay arguments (IERS 2003 for l, F, Omega; MHB2000 for l' and D), as the series uses.
    static constexpr double kL[] = {485868.249036, 1717915923.2178, 31.8792, 0.051635, -0.00024470};
    static constexpr double kLp[] = {1287104.79305, 129596581.0481, -0.5532, 0.000136, -0.00001149};
    static constexpr double kF[] = {335779.526232, 1739527262.8478, -12.7512, -0.001037,
                                    0.00000417};
    static constexpr double kD[] = {1072260.70369, 1602961601.2090, -6.3706, 0.006593, -0.00003169};
    static constexpr double kOm[] = {450160.398036, -6962890.5431, 7.4722, 0.007702, -0.00005939};
    const double luniSolarArguments[5] = {turn(Polynomial(t, kL, 5)), turn(Polynomial(t, kLp, 5)),
                                          turn(Polynomial(t, kF, 5)), turn(Polynomial(t, kD, 5)),
                                          turn(Polynomial(t, kOm, 5))};
    double sum = 0;
    for (const LuniSolar& term : luniSolar_) {
        double argument = 0;
        for (int i = 0; i < 5; ++i) argument += term.multipliers[i] * luniSolarArguments[i];
        sum +=
            (term.sine + term.sineRate * t) * std::sin(argument) + term.cosine * std::cos(argument);
    }
    // Planetary part: MHB2000 linear Delaunay arguments, IERS 2003 planetary longitudes.
    const double planetaryArguments[13] = {std::fmod(2.35555598 + 8328.6914269554 * t, kTwoPi),
                                           std::fmod(1.627905234 + 8433.466158131 * t, kTwoPi),
                                           std::fmod(5.198466741 + 7771.3771468121 * t, kTwoPi),
                                           std::fmod(2.18243920 - 33.757045 * t, kTwoPi),
                                           std::fmod(4.402608842 + 2608.7903141574 * t, kTwoPi),
                                           std::fmod(3.176146697 + 1021.3285546211 * t, kTwoPi),
                                           std::fmod(1.753470314 + 628.3075849991 * t, kTwoPi),
                                           std::fmod(6.203480913 + 334.0612426700 * t, kTwoPi),
                                           std::fmod(0.599546497 + 52.9690962641 * t, kTwoPi),
                                           std::fmod(0.874016757 + 21.3299104960 * t, kTwoPi),
                                           std::fmod(5.481293872 + 7.4781598567 * t, kTwoPi),
                                           std::fmod(5.321159000 + 3.8127774000 * t, kTwoPi),
                                           (0.024381750 + 0.00000538691 * t) * t};
    for (const Planetary& term : planetary_) {
        double argument = 0;
        for (int i = 0; i < 13; ++i) argument += term.multipliers[i] * planetaryArguments[i];
        sum += term.sine * std::sin(argument) + term.cosine * std::cos(argument);
    }
    const double iau2000a = sum * 1e-7 * kArcsecond;
    // IAU 2006 adjustment for the new precession's J2 rate.
    return iau2000a * (1 + 0.4697e-6 - 2.7774e-6 * t);
}

Matrix3 GcrsToEclipticOfDate(double days, double nutationInLongitude) {
    return GcrsToEcliptic(FukushimaWilliams(days / kDaysPerCentury), nutationInLongitude);
}

Matrix3 EclipticOfDate(double days, double nutationInLongitude) {
    return Product(GcrsToEclipticOfDate(days, nutationInLongitude), J2000EclipticToGcrs());
}

bool Ephemeris::Load(const std::string& dataDirectory, std::string& error) {
    return earth_.Load(dataDirectory + "/vsop87b_earth.txt", error) &&
           moon_.Load(dataDirectory + "/elpmpp02_de405.txt", error) &&
           nutation_.Load(dataDirectory + "/nutation_iau2000a.txt", error);
}

double Ephemeris::ApparentLongitude(const Vec3& gcrs, double days) const {
    const Vec3 v = Multiply(GcrsToEclipticOfDate(days, nutation_.InLongitude(days)), gcrs);
    const double longitude = std::atan2(v.y, v.x);
    return longitude < 0 ? longitude + kTwoPi : longitude;
}

// The Sun is seen where it was one light time ago, as the Earth then saw it: to first order the
// annual aberration equals the Earth's motion during the light time, so the apparent direction is
// that of the geometric Sun from the Earth's earlier position.
double Ephemeris::SunLongitude(double days) const {
    const double lightDays = Length(earth_.Position(days)) * kAuLightSeconds / kSecondsPerDay;
    const Vec3 earth = earth_.Position(days - lightDays);
    return ApparentLongitude(Multiply(kVsop87ToFk5, {-earth.x, -earth.y, -earth.z}), days);
}

// For the Moon the annual aberration cancels the Earth's part of the light-time shift, leaving
// the geocentric position one light time earlier. The light time is taken at the mean distance,
// and the remainder (under 0.1 s) is corrected with the mean sidereal motion, which saves a
// second evaluation of the long series.
double Ephemeris::MoonLongitude(double days) const {
    constexpr double kMeanLightDays = 384400.0 / kSpeedOfLightKmPerSecond / kSecondsPerDay;
    constexpr double kMeanSiderealRate = kTwoPi / 27.321661;
    const Vec3 moon = moon_.Position(days - kMeanLightDays);
    const double lightDays = Length(moon) / kSpeedOfLightKmPerSecond / kSecondsPerDay;
    return ApparentLongitude(Multiply(J2000EclipticToGcrs(), moon), days) -
           kMeanSiderealRate * (lightDays - kMeanLightDays);
}

double Ephemeris::Elongation(double days) const {
    return WrapPi(MoonLongitude(days) - SunLongitude(days));
}

}  // namespace lunar_tables
