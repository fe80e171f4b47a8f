#include "positions/swiss/birth_coordinates.h"

#include "base/coordinates.h"

namespace tarvel {
namespace {

// Whether degrees and arc-minutes make a magnitude of at most `limitDeg`.
bool IsWithin(int degrees, int arcMinutes, double limitDeg) {
  return degrees >= 0 && arcMinutes >= 0 && arcMinutes < kArcMinutesPerDegree &&
         SignedDegrees(degrees, arcMinutes, false) <= limitDeg;
}

}  // namespace

std::optional<BirthCoordinates> SignedCoordinates(const BirthData& birth) {
  if (!IsWithin(birth.LatDeg, birth.LatMin, 90) || !IsWithin(birth.LonDeg, birth.LonMin, 180)) {
    return std::nullopt;
  }
  return BirthCoordinates{LatitudeNorthDeg(birth), LongitudeEastDeg(birth)};
}

}  // namespace tarvel
