#include "positions/universal_date.h"

#include <cmath>

#include "ephemeris/birth_instant.h"

namespace tarvel {

CivilTime UniversalDateTime(const BirthData& birth) {
  const CivilTime local{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                        birth.BirthMinute};
  // Zone offsets are whole minutes, so the rounding only removes the hour arithmetic's noise.
  const double shiftHours = UniversalTime(birth).utHours - ClockTime(birth);
  return ShiftSeconds(local, 60 * std::llround(shiftHours * 60));
}

}  // namespace tarvel
