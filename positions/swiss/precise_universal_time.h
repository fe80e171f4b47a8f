#pragma once

#include <optional>

#include "base/birth_data.h"
#include "base/civil_time.h"

namespace tarvel {

/// A Gregorian date and clock time on the universal time scale.
using UtDateTime = CivilTime;

/// The universal time of the birth: the local clock time less the offset of the zone in row
/// `zoneRow` (0-70) of the time-zone list, with the sign the row gives it (ahead of or behind
/// universal time), and one hour less again when daylight saving was in force. The birth's
/// own zone fields are not read, since their East/West comes from the longitude. Carries into
/// the day, month and year; a day past the month's end (31 April) runs on into the next.
/// Empty when the month, day, hour, minute or row is outside its range. The seconds are 0.
std::optional<CivilTime> PreciseUniversalTime(const BirthData& birth, int zoneRow);

/// The Julian day (days, universal time) of a date and time in the Gregorian calendar.
double JulianDayUt(const CivilTime& ut);

}  // namespace tarvel
