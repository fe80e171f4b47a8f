#pragma once

#include "base/birth_data.h"
#include "base/time_zones.h"

namespace tarvel::testing {

/// The lowest row whose offset is the birth's zone magnitude taken in its longitude's
/// direction (0°00′ counts as West): the row that a reference worked out by that rule stands
/// for. -1 when the list has no such row.
inline int RowAgreeingWithLongitude(const BirthData& birth) {
  const int magnitudeMinutes = birth.ZoneHours * 60 + birth.ZoneMinutes;
  const bool east = birth.IsEast != kFalse && (birth.LonDeg > 0 || birth.LonMin > 0);
  const int minutesAhead = east ? magnitudeMinutes : -magnitudeMinutes;
  for (int row = 0; row < kTimeZoneRows; ++row) {
    if (MinutesAheadOfUniversalTime(kTimeZones[row]) == minutesAhead) return row;
  }
  return -1;
}

}  // namespace tarvel::testing
