#include "positions/classic/chart_ayanamsa.h"

#include <cmath>

#include "base/angles.h"

namespace tarvel {

double ChartSiderealCorrectionDeg(double centuriesSince1900) {
  const double t = centuriesSince1900;
  // Newcomb's precession and Sun, Brown's node, from 1900 (Explanatory Supplement, 1961).
  // Mean longitude of the Moon's ascending node, degrees from arc-second coefficients. Only its
  // sine is used, so a negative value is left as it is.
  double nodeDeg = ((933060 - 6962911 * t) + (7.5 * t) * t) / 3600;
  while (nodeDeg >= 360) nodeDeg -= 360;
  // Twice the Sun's mean longitude, degrees.
  const double twiceSunDeg = (259205536 * t + 2013816) / 3600;
  const double nutationArcSec =
      1.27 * std::sin(kDegToRad * twiceSunDeg) + 17.23 * std::sin(kDegToRad * nodeDeg);
  const double precessionArcSec = t * (5025.64 + 1.11 * t);
  return ((nutationArcSec - precessionArcSec) - 80861.27) / 3600;
}

}  // namespace tarvel
