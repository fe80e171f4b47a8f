#include "positions/classic_sky.h"

#include "ephemeris/moon.h"
#include "positions/ascendant.h"
#include "positions/planet_longitudes.h"

namespace tarvel {

SkyPositions ClassicSky::Positions(const BirthData& birth, int /*zoneRow*/) const {
  // The ascendant comes first: it gives the correction the Sun, the planets and the nodes use.
  const AscendantFigures ascendant = ComputeAscendant(birth);
  SkyPositions sky;
  sky.ascendantDeg = ascendant.siderealDeg;
  sky.chartCorrection = ascendant.chartCorrection;
  sky.grahaDeg = CalculatePlanets(birth, ascendant.chartCorrection);
  sky.grahaDeg[Moon] = CalculateMoon(birth);
  sky.ephemeris = SkyEphemeris::ClassicFormulas;
  return sky;
}

}  // namespace tarvel
