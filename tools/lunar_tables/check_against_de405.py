#!/usr/bin/python3
"""Cross-checks the generator's solar terms and new moons against JPL's DE405 (1960-2060).

Not part of the build or CI: it needs Debian's casacore-data-jpl-de405 (the DE405 Chebyshev
records), python3-casacore to read them and liberfa1 for the IAU 2006/2000A rotation. Usage:

    lunar_tables --data tools/lunar_tables/data --output /tmp/t.cpp --moments /tmp/moments.txt
    /usr/bin/python3 tools/lunar_tables/check_against_de405.py /tmp/moments.txt

For every moment inside DE405's span it solves the same condition with DE405 positions (apparent
geocentric longitudes in the true ecliptic of date) and prints the differences in seconds.
"""
import ctypes
import sys

import casacore.tables
import numpy as np

DE405 = "/usr/share/casacore/data/ephemerides/DE405"
RECORD_DAYS = 32.0
J2000 = 2451545.0

table = casacore.tables.table(DE405, ack=False)
keywords = table.getkeywords()
EARTH_MOON_RATIO = keywords["EMRAT"]
LIGHT_KM_S = keywords["CLIGHT"]
records = np.array(table.getcol("x"))
record_starts = np.array(table.getcol("MJD")) + 2400000.5

# (first coefficient, coefficients per coordinate, sub-intervals) in DE405's record layout.
BODIES = {"emb": (231, 13, 2), "moon": (441, 13, 8), "sun": (753, 11, 2)}


def position(jd, name):
    """Barycentric (geocentric for the Moon) ICRF position in km."""
    i = np.searchsorted(record_starts, jd, side="right") - 1
    first, count, parts = BODIES[name]
    span = RECORD_DAYS / parts
    part = min(int((jd - record_starts[i]) / span), parts - 1)
    x = 2 * ((jd - record_starts[i]) - part * span) / span - 1
    basis = np.polynomial.chebyshev.chebvander(x, count - 1)[0]
    base = first - 3 + part * count * 3
    return np.array([basis @ records[i][base + k * count: base + (k + 1) * count]
                     for k in range(3)])


def earth(jd):
    return position(jd, "emb") - position(jd, "moon") / (1 + EARTH_MOON_RATIO)


erfa = ctypes.CDLL("liberfa.so.1")
erfa.eraObl06.restype = ctypes.c_double
Matrix = (ctypes.c_double * 3) * 3


def ecliptic_of_date(jd):
    """GCRS to true ecliptic and equinox of date (IAU 2006/2000A)."""
    npb = Matrix()
    erfa.eraPnm06a(ctypes.c_double(J2000), ctypes.c_double(jd - J2000), npb)
    dpsi, deps = ctypes.c_double(), ctypes.c_double()
    erfa.eraNut06a(ctypes.c_double(J2000), ctypes.c_double(jd - J2000), ctypes.byref(dpsi),
                   ctypes.byref(deps))
    eps = erfa.eraObl06(ctypes.c_double(J2000), ctypes.c_double(jd - J2000)) + deps.value
    c, s = np.cos(eps), np.sin(eps)
    return np.array([[1, 0, 0], [0, c, s], [0, -s, c]]) @ np.array([list(r) for r in npb])


def longitude(vector, jd):
    v = ecliptic_of_date(jd) @ vector
    return np.arctan2(v[1], v[0])


def sun_longitude(jd):
    e = earth(jd)
    velocity = (earth(jd + 1e-3) - earth(jd - 1e-3)) / 2e-3 / 86400
    light = 0.0
    for _ in range(3):
        p = position(jd - light, "sun") - e
        light = np.linalg.norm(p) / LIGHT_KM_S / 86400
    return longitude(p / np.linalg.norm(p) + velocity / LIGHT_KM_S, jd)


def moon_longitude(jd):
    light = 0.0
    for _ in range(3):
        p = position(jd - light, "moon")
        light = np.linalg.norm(p) / LIGHT_KM_S / 86400
    return longitude(p, jd)


def wrap(angle):
    return (angle + np.pi) % (2 * np.pi) - np.pi


def solve(f, jd):
    for _ in range(4):
        rate = (f(jd + 1e-3) - f(jd - 1e-3)) / 2e-3
        jd -= f(jd) / rate
    return jd


def main(path):
    differences = {"S": [], "M": []}
    for line in open(path):
        if line.startswith("#"):
            continue
        kind, _, term, days = line.split()
        jd = J2000 + float(days)
        if not record_starts[0] + 1 < jd < record_starts[-1] + RECORD_DAYS - 1:
            continue
        if kind == "S":
            target = np.radians((285 + 15 * (int(term) - 1)) % 360)
            exact = solve(lambda x: wrap(sun_longitude(x) - target), jd)
        else:
            exact = solve(lambda x: wrap(moon_longitude(x) - sun_longitude(x)), jd)
        differences[kind].append((jd - exact) * 86400)
    for kind, name in (("S", "solar terms"), ("M", "new moons")):
        d = np.array(differences[kind])
        if d.size:
            print(f"{name}: {d.size}, generator - DE405: mean {d.mean():+.3f} s, "
                  f"sd {d.std():.3f} s, extremes {d.min():+.3f} / {d.max():+.3f} s")


if __name__ == "__main__":
    main(sys.argv[1])
