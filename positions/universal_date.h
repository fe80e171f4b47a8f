#pragma once

#include "base/birth_data.h"

namespace tarvel {

/// A Gregorian calendar date with a time of day in whole minutes.
struct CivilDateTime {
  int year;
  int month;   ///< 1-12
  int day;     ///< 1-31
  int hour;    ///< 0-23
  int minute;  ///< 0-59

  bool operator==(const CivilDateTime&) const = default;
};

/// A date and time moved by a number of minutes, carrying into the day, month and year. The
/// day of the input is added linearly, so 31 April 12:00 moved by 0 minutes is 1 May 12:00.
CivilDateTime ShiftMinutes(const CivilDateTime& local, long long minutes);

/// The birth's civil date and clock time moved to universal time: by the zone offset in the
/// direction of the longitude, with the daylight-saving hour.
CivilDateTime UniversalDateTime(const BirthData& birth);

}  // namespace tarvel
