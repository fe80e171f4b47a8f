#include "positions/classic/planet_longitudes.h"

#include <utility>

#include "positions/classic/days_from_j2000.h"
#include "positions/classic/geocentric_longitude.h"
#include "positions/classic/lunar_nodes.h"
#include "positions/classic/orbital_elements.h"

namespace tarvel {

namespace {

/// The element set of each graha placed by orbital elements.
constexpr std::array<std::pair<PlanetIndex, ElementSet>, kElementSetCount> kOrbitGrahas{{
    {Sun, EarthElements},
    {Mercury, MercuryElements},
    {Venus, VenusElements},
    {Mars, MarsElements},
    {Jupiter, JupiterElements},
    {Saturn, SaturnElements},
}};

constexpr long long kHalfDaySeconds = 12 * 60 * 60;
constexpr double kHalfCircleDeg = 180;

}  // namespace

double ChartSiderealLongitude(double tropicalDeg, double correctionDeg) {
  double siderealDeg = tropicalDeg + correctionDeg;
  while (siderealDeg < 0) siderealDeg += 360;
  // A positive correction (dates before about AD 285) can carry a place past a full turn.
  while (siderealDeg >= 360) siderealDeg -= 360;
  return siderealDeg;
}

std::array<double, kPlanetCount> CalculatePlanets(const CivilTime& universal,
                                                  double chartCorrection) {
  const double days = DaysFromJ2000(universal);
  const std::array<double, kElementSetCount> tropicalDeg = GeocentricLongitudes(days);
  std::array<double, kPlanetCount> longitudes{};
  for (const auto& [planet, elementSet] : kOrbitGrahas) {
    longitudes[planet] = ChartSiderealLongitude(tropicalDeg[elementSet], chartCorrection);
  }
  const LunarNodes nodes = MeanLunarNodes(days, chartCorrection);
  longitudes[NNode] = nodes.rahuDeg;
  longitudes[SNode] = nodes.ketuDeg;
  return longitudes;
}

std::array<bool, kPlanetCount> ClassicRetrograde(const CivilTime& universal) {
  // The correction cancels in the difference, so none is applied.
  const auto before = CalculatePlanets(ShiftSeconds(universal, -kHalfDaySeconds), 0);
  const auto after = CalculatePlanets(ShiftSeconds(universal, kHalfDaySeconds), 0);
  std::array<bool, kPlanetCount> retrograde{};
  for (const auto& [planet, elementSet] : kOrbitGrahas) {
    // A day's motion is a few degrees at most, so a difference past half a turn crossed 0°.
    const double motionDeg = after[planet] - before[planet];
    retrograde[planet] = motionDeg < 0 ? motionDeg > -kHalfCircleDeg : motionDeg > kHalfCircleDeg;
  }
  return retrograde;
}

}  // namespace tarvel
