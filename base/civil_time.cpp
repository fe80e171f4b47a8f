#include "base/civil_time.h"

#include <chrono>

namespace tarvel {

CivilTime ShiftSeconds(const CivilTime& time, long long seconds) {
  using namespace std::chrono;
  // Counting from the first of the month adds the day linearly, as the day number does.
  const sys_days firstOfMonth{year{time.year} / month{static_cast<unsigned>(time.month)} / 1};
  const sys_seconds shifted = firstOfMonth + days{time.day - 1} + hours{time.hour} +
                              minutes{time.minute} + std::chrono::seconds{time.second + seconds};
  const sys_days day = floor<days>(shifted);
  const year_month_day date{day};
  const hh_mm_ss<std::chrono::seconds> clock{shifted - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(clock.hours().count()),
          static_cast<int>(clock.minutes().count()),
          static_cast<int>(clock.seconds().count())};
}

}  // namespace tarvel
