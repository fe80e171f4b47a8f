#include "positions/classic/classic_sky.h"

#include "positions/classic/ascendant.h"
#include "positions/classic/moon.h"
#include "positions/classic/planet_longitudes.h"

namespace tarvel {

SkyResult ClassicSky::Positions(const BirthInstant& instant) const {
  SkyResult result = PlacesOnly(instant);
  result.positions.retrograde = ClassicRetrograde(UniversalCivilTime(instant));
  return result;
}

SkyResult ClassicSky::PlacesOnly(const BirthInstant& instant) const {
  const ClassicInstant classic = ClassicInstantOf(instant);
  // The ascendant comes first: it gives the correction the Sun, the planets and the nodes use.
  const AscendantFigures ascendant = ComputeAscendant(classic, instant);
  SkyResult result;
  SkyPositions& sky = result.positions;
  sky.ascendantDeg = ascendant.siderealDeg;
  sky.chartCorrection = ascendant.chartCorrection;
  sky.grahaDeg = CalculatePlanets(UniversalCivilTime(instant), ascendant.chartCorrection);
  sky.grahaDeg[Moon] = CalculateMoon(classic);
  sky.ephemeris = SkyEphemeris::ClassicFormulas;
  return result;
}

}  // namespace tarvel
