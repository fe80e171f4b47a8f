#pragma once

#include "positions/classic/classic_instant.h"

namespace tarvel {

/// The figures of one ascendant computation, each kept for inspection.
struct AscendantFigures {
  double centuriesSince1900;  ///< from day number 2415020.0 to the birth instant
  double chartCorrection;     ///< ChartSiderealCorrectionDeg of those centuries (negative)
  double siderealTimeDeg;     ///< local sidereal time as an angle, degrees, not reduced below 0
  double tropicalDeg;         ///< tropical ascendant, degrees in 0-360
  double siderealDeg;         ///< sidereal ascendant, degrees in 0-360
};

/// Local sidereal time as an angle in degrees, for centuries since 1900, universal time in
/// hours and the longitude in degrees West of Greenwich (East negative). Reduced below 360
/// only: a negative angle stays negative.
double LocalSiderealTime(double centuriesSince1900, double utHours, double longitudeWestDeg);

/// Tropical ascendant in degrees (0-360) for the local sidereal time in degrees, centuries
/// since 1900 (for the obliquity) and the signed latitude in degrees (South negative).
double TropicalAscendant(double siderealTimeDeg, double centuriesSince1900, double latitudeDeg);

/// All figures of the ascendant at an instant, for the place of `birthInstant` (whose longitude
/// is East positive; the sidereal time takes it East negative).
AscendantFigures ComputeAscendant(const ClassicInstant& instant, const BirthInstant& birthInstant);

}  // namespace tarvel
