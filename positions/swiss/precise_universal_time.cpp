#include "positions/swiss/precise_universal_time.h"

#include <swephexp.h>

#include <chrono>

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

std::optional<UtDateTime> PreciseUniversalTime(const BirthData& birth, int zoneRow) {
  using namespace std::chrono;
  if (!IsValidClock(birth, zoneRow)) return std::nullopt;
  // With a valid year and month, a day past the month's end counts on into the next month.
  const sys_days localDate{year{birth.BirthYear} / month{static_cast<unsigned>(birth.BirthMonth)} /
                           day{static_cast<unsigned>(birth.BirthDay)}};
  const minutes ahead{MinutesAheadOfUniversalTime(kTimeZones[zoneRow])};
  const minutes daylightSaving = birth.IsDST != kFalse ? hours{1} : minutes{0};
  const sys_time<minutes> ut =
      localDate + hours{birth.BirthHour} + minutes{birth.BirthMinute} - ahead - daylightSaving;
  const sys_days utDay = floor<days>(ut);
  const year_month_day utDate{utDay};
  const hh_mm_ss<minutes> utClock{ut - utDay};
  return UtDateTime{static_cast<int>(utDate.year()), static_cast<int>(unsigned(utDate.month())),
                    static_cast<int>(unsigned(utDate.day())),
                    static_cast<int>(utClock.hours().count()),
                    static_cast<int>(utClock.minutes().count())};
}

double JulianDayUt(const UtDateTime& ut) {
  return swe_julday(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0, SE_GREG_CAL);
}

}  // namespace tarvel
