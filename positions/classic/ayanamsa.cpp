#include "positions/classic/ayanamsa.h"

#include <cmath>

#include "base/angles.h"

namespace tarvel {

double SiderealCorrectionDeg(double centuriesSinceJ2000) {
  const double t = centuriesSinceJ2000;
  // Newcomb's precession from J2000 and nutation's two largest terms (Meeus, Astr. Alg., ch. 22).
  // Mean longitudes of the Moon's ascending node and of the Sun, degrees, deliberately not
  // reduced to 0-360 before the sine.
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * (t * t);
  const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * (t * t);
  // Periodic terms and precession, arc-seconds; the solar term uses L itself, not 2L.
  const double periodic = 17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(sun * kDegToRad);
  const double precession = t * (5025.64 + 1.11 * t);
  return (periodic - precession - 85886.27) / 3600;
}

}  // namespace tarvel
