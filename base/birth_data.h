#pragma once

#include <cstdint>
#include <string>

namespace tarvel {

/// A 16-bit Boolean as the birth data keeps it: true is -1 (all bits set), false is 0.
/// Readers test for non-zero.
using Flag16 = std::int16_t;
inline constexpr Flag16 kTrue = -1;
inline constexpr Flag16 kFalse = 0;

inline constexpr Flag16 ToFlag16(bool value) {
  return value ? kTrue : kFalse;
}

/// The birth-data record: the only input of the calculation chain. The record carries no
/// sign for the zone offset or the coordinates; IsEast and IsSouth give the directions.
struct BirthData {
  std::string BirthName;         ///< as typed, untrimmed
  std::int16_t BirthMonth = 0;   ///< 1-12
  std::int16_t BirthDay = 0;     ///< 1-31 as the form offers
  std::int16_t BirthYear = 0;    ///< 1800-2399 as the form offers
  std::int16_t BirthHour = 0;    ///< local clock hour, 0-23
  std::int16_t BirthMinute = 0;  ///< local clock minute, 0-59
  std::int16_t ZoneHours = 0;    ///< magnitude of the zone offset, hours
  std::int16_t ZoneMinutes = 0;  ///< magnitude of the zone offset, minutes
  std::int16_t LonDeg = 0;       ///< magnitude of the longitude, degrees
  std::int16_t LonMin = 0;       ///< arc-minutes of longitude
  std::int16_t LatDeg = 0;       ///< magnitude of the latitude, degrees
  std::int16_t LatMin = 0;       ///< arc-minutes of latitude
  Flag16 IsEast = kFalse;        ///< longitude lies East of Greenwich
  Flag16 IsSouth = kFalse;       ///< latitude lies South of the equator
  Flag16 IsDST = kFalse;         ///< daylight-saving time was in force
  std::string BirthCity;         ///< trimmed
  std::string BirthState;        ///< trimmed
  std::string BirthCountry;      ///< trimmed
  std::int16_t BirthSecond = 0;  ///< local clock second, 0-59; kept last as a later addition

  bool operator==(const BirthData&) const = default;
};

}  // namespace tarvel
