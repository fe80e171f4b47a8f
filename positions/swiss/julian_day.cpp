#include "positions/swiss/julian_day.h"

#include <swephexp.h>

namespace tarvel {

double JulianDayUt(const CivilTime& universal) {
  const double hours = universal.hour + universal.minute / 60.0 + universal.second / 3600.0;
  return swe_julday(universal.year, universal.month, universal.day, hours, SE_GREG_CAL);
}

}  // namespace tarvel
