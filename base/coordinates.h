#pragma once

#include "base/birth_data.h"

namespace tarvel {

inline constexpr double kArcMinutesPerDegree = 60.0;

/// Whole degrees and arc-minutes as one angle in degrees, negative when `negative`: the one
/// rule by which a direction letter becomes a sign.
constexpr double SignedDegrees(int degrees, int arcMinutes, bool negative) {
  const double magnitudeDeg = degrees + arcMinutes / kArcMinutesPerDegree;
  return negative ? -magnitudeDeg : magnitudeDeg;
}

/// The birth's latitude, degrees, North positive.
constexpr double LatitudeNorthDeg(const BirthData& birth) {
  return SignedDegrees(birth.LatDeg, birth.LatMin, birth.IsSouth != kFalse);
}

/// The birth's longitude, degrees, East positive.
constexpr double LongitudeEastDeg(const BirthData& birth) {
  return SignedDegrees(birth.LonDeg, birth.LonMin, birth.IsEast == kFalse);
}

}  // namespace tarvel
