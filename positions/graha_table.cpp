#include "positions/graha_table.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "ephemeris/position_text.h"
#include "positions/days_from_j2000.h"
#include "positions/geocentric_longitude.h"
#include "positions/lunar_nodes.h"
#include "positions/orbital_elements.h"
#include "positions/short_position.h"
#include "positions/universal_date.h"

namespace tarvel {

namespace {

struct GrahaRow {
  std::string_view planetName;
  std::string_view grahaName;
};

constexpr std::array<GrahaRow, kPlanetCount> kGrahaRows{{
    {"Sun", "Surya"},
    {"Moon", "Chandra"},
    {"Mercury", "Budha"},
    {"Venus", "Shukra"},
    {"Mars", "Mangala"},
    {"Jupiter", "Guru"},
    {"Saturn", "Shani"},
    {"N Node", "Rahu"},
    {"S Node", "Ketu"},
}};

/// The element set of each graha placed by orbital elements.
constexpr std::array<std::pair<PlanetIndex, ElementSet>, kElementSetCount> kOrbitGrahas{{
    {Sun, EarthElements},
    {Mercury, MercuryElements},
    {Venus, VenusElements},
    {Mars, MarsElements},
    {Jupiter, JupiterElements},
    {Saturn, SaturnElements},
}};

void WriteNames(ChartState& state) {
  for (int index = 0; index < kPlanetCount; ++index) {
    state.PlanetNames[index] = kGrahaRows[index].planetName;
    state.GrahaNames[index] = kGrahaRows[index].grahaName;
  }
}

std::string ShortText(double longitudeDeg) {
  return ShortPosition(FormatPosition(longitudeDeg));
}

}  // namespace

double ChartSiderealLongitude(double tropicalDeg, double chartCorrection) {
  double siderealDeg = tropicalDeg - std::fabs(chartCorrection);
  while (siderealDeg < 0) siderealDeg += 360;
  return siderealDeg;
}

void CalculatePlanets(ChartState& state) {
  WriteNames(state);
  const CivilDateTime ut = UniversalDateTime(state.BirthData);
  const double days = DaysFromJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
  const double correction = state.ChartCorrection;
  const std::array<double, kElementSetCount> tropicalDeg = GeocentricLongitudes(days);
  for (const auto& [planet, elementSet] : kOrbitGrahas) {
    state.PlanetSigns[planet] =
        ShortText(ChartSiderealLongitude(tropicalDeg[elementSet], correction));
  }
  state.PlanetSigns[Moon] = ShortPosition(state.MoonPosition);
  const LunarNodes nodes = MeanLunarNodes(days, correction);
  state.PlanetSigns[NNode] = ShortText(nodes.rahuDeg);
  state.PlanetSigns[SNode] = ShortText(nodes.ketuDeg);
}

}  // namespace tarvel
