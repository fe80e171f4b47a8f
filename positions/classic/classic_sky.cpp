#include "positions/classic/classic_sky.h"

#include "positions/classic/ascendant.h"
#include "positions/classic/moon.h"
#include "positions/classic/planet_longitudes.h"

namespace tarvel {

namespace {

SkyResult Places(const BirthInstant& instant, bool withMotion) {
  const ClassicInstant classic = ClassicInstantOf(instant);
  // The ascendant comes first: it gives the correction the Sun, the planets and the nodes use.
  const AscendantFigures ascendant = ComputeAscendant(classic, instant);
  SkyResult result;
  SkyPositions& sky = result.positions;
  sky.ascendantDeg = ascendant.siderealDeg;
  sky.chartCorrection = ascendant.chartCorrection;
  const CivilTime universal = UniversalCivilTime(instant);
  if (withMotion) {
    const PlanetsInMotion planets = CalculatePlanetsInMotion(universal, ascendant.chartCorrection);
    sky.grahaDeg = planets.longitudes;
    sky.retrograde = planets.retrograde;
  } else {
    sky.grahaDeg = CalculatePlanets(universal, ascendant.chartCorrection);
  }
  sky.grahaDeg[Moon] = CalculateMoon(classic);
  sky.ephemeris = SkyEphemeris::ClassicFormulas;
  return result;
}

}  // namespace

SkyResult ClassicSky::Positions(const BirthInstant& instant) const {
  return Places(instant, true);
}

SkyResult ClassicSky::PlacesOnly(const BirthInstant& instant) const {
  return Places(instant, false);
}

}  // namespace tarvel
