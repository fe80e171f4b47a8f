#include "positions/classic/planet_longitudes.h"

#include <cmath>
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

// Whether a body moves backward is decided, as it always was, by its longitude half a day after
// the instant against half a day before. That difference D is the speed v plus at most
// J / 24, J the largest third derivative of the longitude (Taylor, half a day either way), so
// a speed beyond J / 12 has the sign of D; the speed leaves out under 1e-6° a day. J is the
// largest over 1899-2051 (every six hours, from the longitudes themselves), rounded up.
constexpr std::array<double, kElementSetCount> kLargestJerkDegPerDayCubed = {
    0.05, 0.005, 0.0001, 0.001, 0.00015, 0.00006};
constexpr double kSpeedLeftOutDegPerDay = 1e-5;

double UndecidedSpeedDegPerDay(int elementSet) {
  return kLargestJerkDegPerDayCubed[elementSet] / 12 + kSpeedLeftOutDegPerDay;
}

double DaysFromJ2000After(const CivilTime& universal, long long seconds) {
  return DaysFromJ2000(ShiftSeconds(universal, seconds));
}

// The longitude half a day later behind the one half a day earlier. The chart's correction
// cancels in the difference, so none is applied.
bool MovesBackward(int elementSet, const CivilTime& universal) {
  const double before = ChartSiderealLongitude(
      GeocentricLongitude(elementSet, DaysFromJ2000After(universal, -kHalfDaySeconds)), 0);
  const double after = ChartSiderealLongitude(
      GeocentricLongitude(elementSet, DaysFromJ2000After(universal, kHalfDaySeconds)), 0);
  // A day's motion is a few degrees at most, so a difference past half a turn crossed 0°.
  const double motionDeg = after - before;
  return motionDeg < 0 ? motionDeg > -kHalfCircleDeg : motionDeg > kHalfCircleDeg;
}

std::array<double, kPlanetCount> SiderealPlaces(
    const std::array<double, kElementSetCount>& tropicalDeg, double days, double chartCorrection) {
  std::array<double, kPlanetCount> longitudes{};
  for (const auto& [planet, elementSet] : kOrbitGrahas) {
    longitudes[planet] = ChartSiderealLongitude(tropicalDeg[elementSet], chartCorrection);
  }
  const LunarNodes nodes = MeanLunarNodes(days, chartCorrection);
  longitudes[NNode] = nodes.rahuDeg;
  longitudes[SNode] = nodes.ketuDeg;
  return longitudes;
}

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
  return SiderealPlaces(GeocentricLongitudes(days), days, chartCorrection);
}

PlanetsInMotion CalculatePlanetsInMotion(const CivilTime& universal, double chartCorrection) {
  const double days = DaysFromJ2000(universal);
  const std::array<GeocentricMotion, kElementSetCount> motions = GeocentricMotions(days);
  std::array<double, kElementSetCount> tropicalDeg{};
  for (int set = 0; set < kElementSetCount; ++set) tropicalDeg[set] = motions[set].longitudeDeg;
  PlanetsInMotion planets{SiderealPlaces(tropicalDeg, days, chartCorrection), {}};
  for (const auto& [planet, elementSet] : kOrbitGrahas) {
    const double speed = motions[elementSet].degPerDay;
    planets.retrograde[planet] = std::fabs(speed) > UndecidedSpeedDegPerDay(elementSet)
                                     ? speed < 0
                                     : MovesBackward(elementSet, universal);
  }
  return planets;
}

}  // namespace tarvel
