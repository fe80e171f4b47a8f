#pragma once

#include "base/birth_data.h"

namespace tarvel {

/// The birth instant in universal time, as the day number of the civil birth date plus hours.
struct BirthInstant {
  double utHours;    ///< universal time of birth, hours; never wrapped, may be < 0 or >= 24
  double dayNumber;  ///< Julian day number of the civil birth date (integer-valued)
};

/// Local clock time of birth, hours: BirthHour + BirthMinute / 60.
double ClockTime(const BirthData& birth);

/// Universal time and day number of the birth. The zone offset is applied in the direction of
/// the longitude (East ahead of universal time, West behind; longitude 0 counts as West), and
/// daylight-saving time always makes universal time one hour earlier.
BirthInstant UniversalTime(const BirthData& birth);

}  // namespace tarvel
