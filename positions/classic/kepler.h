#pragma once

namespace tarvel {

/// A true anomaly with the number of Newton steps that solving Kepler's equation took.
struct KeplerSolution {
  double trueAnomalyRad;  ///< 0 to 2π
  int newtonSteps;        ///< corrections computed, the last one included
};

/// True anomaly in radians (0 to 2π) for a mean anomaly in radians and an eccentricity below 1,
/// with Kepler's equation solved by Newton steps until a step changes the eccentric anomaly by
/// 1e-12 radians or less.
KeplerSolution SolveKepler(double meanAnomalyRad, double eccentricity);

/// The true anomaly of SolveKepler alone.
double TrueAnomaly(double meanAnomalyRad, double eccentricity);

}  // namespace tarvel
