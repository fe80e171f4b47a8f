#include "ephemeris/birth_instant.h"

#include "base/coordinates.h"
#include "base/time_scales.h"

namespace tarvel {

namespace {

// Magnitude of the zone offset in hours, adjusted for daylight-saving time so that universal
// time always comes out one hour earlier, whichever way the zone is applied.
double ZoneOffset(const BirthData& birth, bool isEastward) {
  double zoneHours = birth.ZoneHours + birth.ZoneMinutes / 60.0;
  if (birth.IsDST != kFalse) zoneHours += isEastward ? 1 : -1;
  return zoneHours;
}

}  // namespace

double ClockTime(const BirthData& birth) {
  return birth.BirthHour + birth.BirthMinute / 60.0;
}

BirthInstant UniversalTime(const BirthData& birth) {
  const double clockHours = ClockTime(birth);
  // A longitude of exactly 0 follows the West rule, whichever direction was chosen.
  const bool isEastward = LongitudeEastDeg(birth) > 0;
  const double zoneHours = ZoneOffset(birth, isEastward);
  const double dayNumber = JulianDayNumber(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
  const double utHours = isEastward ? clockHours - zoneHours : clockHours + zoneHours;
  return {utHours, dayNumber};
}

}  // namespace tarvel
