#include "positions/classic/moon.h"

#include "base/time_scales.h"
#include "positions/classic/ayanamsa.h"
#include "positions/classic/moon_longitude.h"

namespace tarvel {

double CalculateMoon(const ClassicInstant& instant) {
  const double centuries = CenturiesSinceJ2000(instant.dayNumber, instant.utHours);
  return SiderealLongitude(MoonLongitude(centuries), SiderealCorrectionDeg(centuries));
}

}  // namespace tarvel
