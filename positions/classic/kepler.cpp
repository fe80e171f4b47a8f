#include "positions/classic/kepler.h"

#include <cmath>

#include "base/angles.h"

namespace tarvel {

namespace {

constexpr double kTolerance = 1e-12;

}  // namespace

KeplerSolution SolveKepler(double meanAnomalyRad, double eccentricity) {
  const double m = meanAnomalyRad;
  const double e = eccentricity;
  // A second-order start keeps the step count low for the table's eccentricities (< 0.21).
  double next = m + e * std::sin(m) * (1 + e * std::cos(m));
  double current = next;
  int steps = 0;
  do {
    current = next;
    next = current - (current - e * std::sin(current) - m) / (1 - e * std::cos(current));
    ++steps;
  } while (std::fabs(next - current) > kTolerance);
  double trueAnomaly = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(next / 2));
  if (trueAnomaly < 0) trueAnomaly += kTwoPi;
  return {trueAnomaly, steps};
}

double TrueAnomaly(double meanAnomalyRad, double eccentricity) {
  return SolveKepler(meanAnomalyRad, eccentricity).trueAnomalyRad;
}

}  // namespace tarvel
