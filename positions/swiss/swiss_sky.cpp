#include "positions/swiss/swiss_sky.h"

#include <array>
#include <cmath>
#include <utility>

#include "positions/swiss/julian_day.h"
#include "positions/swiss/swiss_calls.h"
#include "positions/swiss/swiss_modes.h"

namespace tarvel {
namespace {

constexpr double kHalfCircleDeg = 180;
constexpr double kFullCircleDeg = 360;

struct GrahaPlaces {
  std::array<double, kPlanetCount> deg{};
  std::array<bool, kPlanetCount> retrograde{};
  bool fromMoshier = false;
  std::string error;
};

SkyResult Refusal(std::string why) {
  return SkyResult{SkyPositions{}, std::move(why)};
}

double Opposite(double longitudeDeg) {
  return std::fmod(longitudeDeg + kHalfCircleDeg, kFullCircleDeg);
}

GrahaPlaces SiderealGrahas(double jdUt, NodeKind node) {
  GrahaPlaces places;
  for (int planet = Sun; planet <= NNode; ++planet) {
    SwissAngle longitude = SiderealLongitude(jdUt, SwissBody(PlanetIndex{planet}, node));
    if (!longitude.error.empty()) return GrahaPlaces{{}, {}, false, std::move(longitude.error)};
    places.deg[planet] = longitude.deg;
    places.retrograde[planet] = planet < NNode && longitude.speedDegPerDay < 0;
    places.fromMoshier = places.fromMoshier || longitude.fromMoshier;
  }
  places.deg[SNode] = Opposite(places.deg[NNode]);
  return places;
}

// Expects the thread's sidereal mode to be set already.
SkyResult PositionsAt(double jdUt, const BirthInstant& place, NodeKind node) {
  GrahaPlaces grahas = SiderealGrahas(jdUt, node);
  if (!grahas.error.empty()) return Refusal(std::move(grahas.error));
  SwissAngle ascendant = SiderealAscendant(jdUt, place.latitudeDeg, place.longitudeDeg);
  if (!ascendant.error.empty()) return Refusal(std::move(ascendant.error));
  SwissAngle ayanamsa = MeanAyanamsa(jdUt);
  if (!ayanamsa.error.empty()) return Refusal(std::move(ayanamsa.error));
  return SkyResult{
      SkyPositions{ascendant.deg, grahas.deg, -ayanamsa.deg,
                   grahas.fromMoshier ? SkyEphemeris::Moshier : SkyEphemeris::SwissFiles,
                   grahas.retrograde},
      {}};
}

}  // namespace

SwissSky::SwissSky(const SkySettings& settings, std::string dataFolder)
    : settings_(settings), dataFolder_(std::move(dataFolder)) {
  settings_.kind = SkyKind::Swiss;
}

SkyResult SwissSky::Positions(const BirthInstant& instant) const {
  if (auto refusal = UseDataFolder(dataFolder_)) return Refusal(std::move(*refusal));
  // Set on every call: the mode lives in the library's per-thread state, which another
  // instance with another ayanamsa may have changed on this thread since.
  UseSiderealMode(SwissSiderealMode(settings_.ayanamsa));
  return PositionsAt(JulianDayUt(UniversalCivilTime(instant)), instant, settings_.node);
}

void SwissSky::ReleaseThread() const {
  ReleaseThreadState();
}

}  // namespace tarvel
