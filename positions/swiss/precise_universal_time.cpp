#include "positions/swiss/precise_universal_time.h"

#include <swephexp.h>

#include "base/time_zones.h"

namespace tarvel {
namespace {

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

bool IsValidClock(const BirthData& birth, int zoneRow) {
  return InRange(birth.BirthMonth, 1, 12) && InRange(birth.BirthDay, 1, 31) &&
         InRange(birth.BirthHour, 0, 23) && InRange(birth.BirthMinute, 0, 59) &&
         InRange(zoneRow, 0, kTimeZoneRows - 1);
}

}  // namespace

std::optional<CivilTime> PreciseUniversalTime(const BirthData& birth, int zoneRow) {
  if (!IsValidClock(birth, zoneRow)) return std::nullopt;
  constexpr int kDaylightSavingMinutes = 60;
  constexpr long long kSecondsPerMinute = 60;
  const int minutesAhead = MinutesAheadOfUniversalTime(kTimeZones[zoneRow]) +
                           (birth.IsDST != kFalse ? kDaylightSavingMinutes : 0);
  // With a valid year and month, a day past the month's end counts on into the next month.
  return ShiftSeconds(
      {birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour, birth.BirthMinute},
      -minutesAhead * kSecondsPerMinute);
}

double JulianDayUt(const CivilTime& ut) {
  // The Julian day of Meeus, Astronomical Algorithms, ch. 7, as the Swiss Ephemeris counts it.
  return swe_julday(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0 + ut.second / 3600.0,
                    SE_GREG_CAL);
}

}  // namespace tarvel
