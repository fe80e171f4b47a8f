#include "positions/swiss/birth_coordinates.h"

namespace tarvel {
namespace {

constexpr double kMinutesPerDegree = 60.0;

// Degrees and arc-minutes as one magnitude, or empty when it passes `limitDeg`.
std::optional<double> Magnitude(int degrees, int arcMinutes, double limitDeg) {
  if (degrees < 0 || arcMinutes < 0 || arcMinutes >= kMinutesPerDegree) return std::nullopt;
  const double magnitudeDeg = degrees + arcMinutes / kMinutesPerDegree;
  if (magnitudeDeg > limitDeg) return std::nullopt;
  return magnitudeDeg;
}

}  // namespace

std::optional<BirthCoordinates> SignedCoordinates(const BirthData& birth) {
  const std::optional<double> latitudeDeg = Magnitude(birth.LatDeg, birth.LatMin, 90);
  const std::optional<double> longitudeDeg = Magnitude(birth.LonDeg, birth.LonMin, 180);
  if (!latitudeDeg || !longitudeDeg) return std::nullopt;
  return BirthCoordinates{birth.IsSouth != kFalse ? -*latitudeDeg : *latitudeDeg,
                          birth.IsEast != kFalse ? *longitudeDeg : -*longitudeDeg};
}

}  // namespace tarvel
