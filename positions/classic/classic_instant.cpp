#include "positions/classic/classic_instant.h"

#include "base/time_scales.h"

namespace tarvel {

ClassicInstant ClassicInstantOf(const BirthInstant& instant) {
  const CivilTime local = LocalCivilTime(instant);
  const double clockHours = local.hour + local.minute / 60.0 + local.second / 3600.0;
  const double utHours = clockHours - instant.offsetSeconds / 3600.0;
  return {utHours, JulianDayNumber(local.month, local.day, local.year)};
}

}  // namespace tarvel
