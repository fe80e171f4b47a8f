#pragma once

#include <cstdint>
#include <cstdlib>

#include "base/birth_data.h"
#include "base/civil_time.h"
#include "base/time_zones.h"

namespace tarvel::testing {

/// Degrees and arc-minutes of a birth place, with their directions.
struct Place {
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
};

/// A birth as the form hands it over: the zone magnitudes copied from the zone's row.
inline BirthData FormBirth(CivilTime localClock, int zoneRow, bool dst, Place place) {
  BirthData birth;
  birth.BirthYear = static_cast<std::int16_t>(localClock.year);
  birth.BirthMonth = static_cast<std::int16_t>(localClock.month);
  birth.BirthDay = static_cast<std::int16_t>(localClock.day);
  birth.BirthHour = static_cast<std::int16_t>(localClock.hour);
  birth.BirthMinute = static_cast<std::int16_t>(localClock.minute);
  birth.ZoneHours = static_cast<std::int16_t>(std::abs(kTimeZones[zoneRow].hours));
  birth.ZoneMinutes = static_cast<std::int16_t>(std::abs(kTimeZones[zoneRow].minutes));
  birth.LatDeg = static_cast<std::int16_t>(place.latDeg);
  birth.LatMin = static_cast<std::int16_t>(place.latMin);
  birth.IsSouth = ToFlag16(place.south);
  birth.LonDeg = static_cast<std::int16_t>(place.lonDeg);
  birth.LonMin = static_cast<std::int16_t>(place.lonMin);
  birth.IsEast = ToFlag16(place.east);
  birth.IsDST = ToFlag16(dst);
  return birth;
}

}  // namespace tarvel::testing
