#pragma once

#include <optional>

#include "base/birth_data.h"

namespace tarvel {

/// A Gregorian date and clock time on the universal time scale, in whole minutes.
struct UtDateTime {
  int year;
  int month;   ///< 1-12
  int day;     ///< 1-31
  int hour;    ///< 0-23
  int minute;  ///< 0-59
  bool operator==(const UtDateTime&) const = default;
};

/// The universal time of the birth: the local clock time less the offset of the zone in row
/// `zoneRow` (0-70) of the time-zone list, with the sign the row gives it (ahead of or behind
/// universal time), and one hour less again when daylight saving was in force. The birth's
/// own zone fields are not read, since their East/West comes from the longitude. Carries into
/// the day, month and year; a day past the month's end (31 April) runs on into the next.
/// Empty when the month, day, hour, minute or row is outside its range.
std::optional<UtDateTime> PreciseUniversalTime(const BirthData& birth, int zoneRow);

/// The Julian day (days, universal time) of a date and time in the Gregorian calendar.
double JulianDayUt(const UtDateTime& ut);

}  // namespace tarvel
