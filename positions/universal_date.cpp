#include "positions/universal_date.h"

#include <chrono>
#include <cmath>

#include "ephemeris/birth_instant.h"

namespace tarvel {

namespace {

using Minutes = std::chrono::minutes;
using MinuteTime = std::chrono::sys_time<Minutes>;

MinuteTime ToTimePoint(const CivilDateTime& local) {
  // Counting from the first of the month adds the day linearly, as the day number does.
  const std::chrono::year_month_day firstOfMonth{
      std::chrono::year{local.year}, std::chrono::month{static_cast<unsigned>(local.month)},
      std::chrono::day{1}};
  return std::chrono::sys_days{firstOfMonth} + std::chrono::days{local.day - 1} +
         Minutes{local.hour * 60 + local.minute};
}

CivilDateTime FromTimePoint(MinuteTime instant) {
  const std::chrono::sys_days day = std::chrono::floor<std::chrono::days>(instant);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss<Minutes> time{instant - day};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count())};
}

}  // namespace

CivilDateTime ShiftMinutes(const CivilDateTime& local, long long minutes) {
  return FromTimePoint(ToTimePoint(local) + Minutes{minutes});
}

CivilDateTime UniversalDateTime(const BirthData& birth) {
  const CivilDateTime local{birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                            birth.BirthMinute};
  // Zone offsets are whole minutes, so the rounding only removes the hour arithmetic's noise.
  const double shiftHours = UniversalTime(birth).utHours - ClockTime(birth);
  return ShiftMinutes(local, std::llround(shiftHours * 60));
}

}  // namespace tarvel
