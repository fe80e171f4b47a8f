#include "ephemeris/moon.h"

#include "ephemeris/ayanamsa.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/moon_longitude.h"
#include "ephemeris/position_text.h"

namespace tarvel {

void CalculateMoon(ChartState& state) {
  state.SignAbbrevs = kSignAbbrevs;
  state.DegToRad = kDegToRad;

  const BirthInstant instant = UniversalTime(state.BirthData);
  const double centuries = CenturiesSinceJ2000(instant.dayNumber, instant.utHours);
  const double correction = Ayanamsa(centuries);
  const double siderealDeg = SiderealLongitude(MoonLongitude(centuries), correction);

  // Assigned last, so a run abandoned on the way leaves the previous position in place.
  state.MoonPosition = FormatPosition(siderealDeg);
}

}  // namespace tarvel
