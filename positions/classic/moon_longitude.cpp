#include "positions/classic/moon_longitude.h"

#include <array>
#include <cmath>
#include <span>

#include "base/angles.h"

namespace tarvel {

namespace {

// One periodic term: coefficient (degrees) x sin(d D + m M + mp M' + f F), times E when the
// term depends on the Sun's anomaly.
struct LongitudeTerm {
  int d;
  int m;
  int mp;
  int f;
  double coefficientDeg;
  bool timesE;
};

// Meeus, Astronomical Algorithms, table 47.A, the 25 largest terms, in four groups that are
// summed separately and then added to the running total, in this order.
constexpr std::array<LongitudeTerm, 6> kGroup1{{
    {2, 0, -1, 0, 1.274027, false},
    {0, 0, 1, 0, 6.288774, false},
    {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},
    {0, 1, 0, 0, -0.185116, true},
    {0, 0, 0, 2, -0.114332, false},
}};
constexpr std::array<LongitudeTerm, 7> kGroup2{{
    {2, 0, -2, 0, 0.058793, false},
    {2, -1, -1, 0, 0.057066, true},
    {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},
    {0, 1, -1, 0, -0.040923, true},
    {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},
}};
constexpr std::array<LongitudeTerm, 5> kGroup3{{
    {2, 0, 0, -2, 0.015327, false},
    {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false},
    {4, 0, -1, 0, 0.010675, false},
    {0, 0, 3, 0, 0.010034, false},
}};
constexpr std::array<LongitudeTerm, 7> kGroup4{{
    {4, 0, -2, 0, 0.008548, false},
    {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, 0.004987, true},
    {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

// Mean elements D, M, M' and F in radians, and the eccentricity factor E.
struct MeanArguments {
  double d;
  double m;
  double mp;
  double f;
  double e;
};

MeanArguments ArgumentsAt(double t) {
  const double d = 297.8502042 + 445267.1115168 * t;
  const double m = 357.5291092 + 35999.0502909 * t;
  const double mp = 134.9634114 + 477198.8676313 * t;
  const double f = 93.2720993 + 483202.0175273 * t;
  const double e = 1 - 0.002516 * t - 0.0000074 * (t * t);
  return {d * kDegToRad, m * kDegToRad, mp * kDegToRad, f * kDegToRad, e};
}

double GroupSum(std::span<const LongitudeTerm> terms, const MeanArguments& a) {
  double sum = 0;
  for (const LongitudeTerm& term : terms) {
    const double argument = term.d * a.d + term.m * a.m + term.mp * a.mp + term.f * a.f;
    double value = term.coefficientDeg * std::sin(argument);
    if (term.timesE) value = value * a.e;
    sum += value;
  }
  return sum;
}

// Brings a longitude into 0-360 as adding or subtracting 360 one turn at a time would: from
// below 0 up into [0, 360), from above 360 down into (0, 360], so a whole number of turns above
// 360 gives 360. Each such step is exact, so the remainder gives the very same value, without
// the thousand and more steps of a date far from J2000.
double IntoOneTurn(double longitudeDeg) {
  if (longitudeDeg < 0) {
    const double rest = std::fmod(longitudeDeg, 360.0);
    return rest < 0 ? rest + 360 : 0.0;
  }
  if (longitudeDeg > 360) {
    const double rest = std::fmod(longitudeDeg, 360.0);
    return rest == 0 ? 360.0 : rest;
  }
  return longitudeDeg;
}

}  // namespace

double MoonLongitude(double centuries) {
  const double meanLongitude = 218.3164591 + 481267.88134236 * centuries;
  const MeanArguments arguments = ArgumentsAt(centuries);
  double correction = 0;
  correction += GroupSum(kGroup1, arguments);
  correction += GroupSum(kGroup2, arguments);
  correction += GroupSum(kGroup3, arguments);
  correction += GroupSum(kGroup4, arguments);

  return IntoOneTurn(meanLongitude + correction);
}

double SiderealLongitude(double tropicalDeg, double correctionDeg) {
  double longitude = tropicalDeg + correctionDeg;
  if (longitude < 0) longitude += 360;
  // Before the ayanamsa's zero year the correction is positive.
  if (longitude >= 360) longitude -= 360;
  return longitude;
}

}  // namespace tarvel
