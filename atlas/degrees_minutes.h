#pragma once

#include <optional>
#include <string>

namespace tarvel {

/// An angle as the birth form takes it: whole degrees, whole arc-minutes and a direction.
struct DegreesMinutes {
  int degrees = 0;       ///< 0-90 for a latitude, 0-180 for a longitude
  int minutes = 0;       ///< 0-59
  char direction = 'N';  ///< 'N' or 'S' for a latitude, 'E' or 'W' for a longitude

  bool operator==(const DegreesMinutes&) const = default;
};

/// A latitude in degrees (-90 to 90, North positive) rounded to the nearest arc-minute; half
/// a minute rounds up, so 12°59.5' becomes 13°00'. A latitude that rounds to 0°00' is North.
/// Nothing outside -90 to 90 or for a value that is not a number.
std::optional<DegreesMinutes> LatitudeDegreesMinutes(double latitudeDeg);

/// A longitude in degrees (-180 to 180, East positive) rounded like a latitude; 0°00' is
/// East. Nothing outside -180 to 180 or for a value that is not a number.
std::optional<DegreesMinutes> LongitudeDegreesMinutes(double longitudeDeg);

/// The angle as the command line writes it: "18:58N", "72:05E".
std::string DegreesMinutesText(const DegreesMinutes& angle);

}  // namespace tarvel
