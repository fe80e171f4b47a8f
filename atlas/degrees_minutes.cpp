#include "atlas/degrees_minutes.h"

#include <cmath>

namespace tarvel {
namespace {

// Coordinates come with five decimals at most (about 0.0006'), so a nudge far below that
// lets a value meant as exactly half a minute, stored a hair below it, round up.
constexpr double kHalfMinuteNudge = 1e-9;

std::optional<DegreesMinutes> Split(double angleDeg, double limitDeg, char positive,
                                    char negative) {
  if (!(std::abs(angleDeg) <= limitDeg)) return std::nullopt;
  const long totalMinutes = std::lround(std::abs(angleDeg) * 60.0 + kHalfMinuteNudge);
  DegreesMinutes result;
  result.degrees = static_cast<int>(totalMinutes / 60);
  result.minutes = static_cast<int>(totalMinutes % 60);
  result.direction = (angleDeg < 0 && totalMinutes > 0) ? negative : positive;
  return result;
}

}  // namespace

std::optional<DegreesMinutes> LatitudeDegreesMinutes(double latitudeDeg) {
  return Split(latitudeDeg, 90.0, 'N', 'S');
}

std::optional<DegreesMinutes> LongitudeDegreesMinutes(double longitudeDeg) {
  return Split(longitudeDeg, 180.0, 'E', 'W');
}

std::string DegreesMinutesText(const DegreesMinutes& angle) {
  std::string text = std::to_string(angle.degrees) + ":";
  if (angle.minutes < 10) text += '0';
  return text + std::to_string(angle.minutes) + angle.direction;
}

}  // namespace tarvel
