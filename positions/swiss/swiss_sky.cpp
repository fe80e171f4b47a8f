#include "positions/swiss/swiss_sky.h"

#include <array>
#include <cmath>
#include <utility>

#include "positions/swiss/birth_coordinates.h"
#include "positions/swiss/precise_universal_time.h"
#include "positions/swiss/swiss_calls.h"
#include "positions/swiss/swiss_modes.h"

namespace tarvel {
namespace {

constexpr double kHalfCircleDeg = 180;
constexpr double kFullCircleDeg = 360;

struct GrahaPlaces {
  std::array<double, kPlanetCount> deg{};
  bool fromMoshier = false;
  std::string error;
};

SwissSkyResult Refusal(std::string why) {
  return SwissSkyResult{std::nullopt, std::move(why)};
}

double Opposite(double longitudeDeg) {
  return std::fmod(longitudeDeg + kHalfCircleDeg, kFullCircleDeg);
}

GrahaPlaces SiderealGrahas(double jdUt, NodeKind node) {
  GrahaPlaces places;
  for (int planet = Sun; planet <= NNode; ++planet) {
    SwissAngle longitude = SiderealLongitude(jdUt, SwissBody(PlanetIndex{planet}, node));
    if (!longitude.error.empty()) return GrahaPlaces{{}, false, std::move(longitude.error)};
    places.deg[planet] = longitude.deg;
    places.fromMoshier = places.fromMoshier || longitude.fromMoshier;
  }
  places.deg[SNode] = Opposite(places.deg[NNode]);
  return places;
}

// Expects the thread's sidereal mode to be set already.
SwissSkyResult PositionsAt(double jdUt, const BirthCoordinates& place, NodeKind node) {
  GrahaPlaces grahas = SiderealGrahas(jdUt, node);
  if (!grahas.error.empty()) return Refusal(std::move(grahas.error));
  SwissAngle ascendant = SiderealAscendant(jdUt, place);
  if (!ascendant.error.empty()) return Refusal(std::move(ascendant.error));
  SwissAngle ayanamsa = MeanAyanamsa(jdUt);
  if (!ayanamsa.error.empty()) return Refusal(std::move(ayanamsa.error));
  return SwissSkyResult{
      SkyPositions{ascendant.deg, grahas.deg, -ayanamsa.deg,
                   grahas.fromMoshier ? SkyEphemeris::Moshier : SkyEphemeris::SwissFiles},
      {}};
}

}  // namespace

SwissSky::SwissSky(const SkySettings& settings) : settings_(settings) {
  settings_.kind = SkyKind::Swiss;
}

SkyPositions SwissSky::Positions(const BirthData& birth, int zoneRow) const {
  return TryPositions(birth, zoneRow).positions.value_or(SkyPositions{});
}

SwissSkyResult SwissSky::TryPositions(const BirthData& birth, int zoneRow) const {
  const std::optional<UtDateTime> ut = PreciseUniversalTime(birth, zoneRow);
  if (!ut) return Refusal("The birth's date, time or zone row is out of range.");
  const std::optional<BirthCoordinates> place = SignedCoordinates(birth);
  if (!place) return Refusal("The birth's latitude or longitude is out of range.");
  // Set on every call: the mode lives in the library's per-thread state, which another
  // instance with another ayanamsa may have changed on this thread since.
  UseSiderealMode(SwissSiderealMode(settings_.ayanamsa));
  return PositionsAt(JulianDayUt(*ut), *place, settings_.node);
}

}  // namespace tarvel
