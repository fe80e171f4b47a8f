#include "positions/swiss/swiss_modes.h"

#include <swephexp.h>

#include <array>
#include <cassert>

namespace tarvel {
namespace {

// By AyanamsaKind.
constexpr std::array<int, 6> kSiderealModes = {
    SE_SIDM_LAHIRI,        SE_SIDM_RAMAN,      SE_SIDM_KRISHNAMURTI,
    SE_SIDM_FAGAN_BRADLEY, SE_SIDM_TRUE_CITRA, SE_SIDM_YUKTESHWAR,
};

// By PlanetIndex, the Sun to Saturn.
constexpr std::array<int, 7> kPlanetBodies = {
    SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN,
};

}  // namespace

int SwissSiderealMode(AyanamsaKind ayanamsa) {
  return kSiderealModes[static_cast<std::size_t>(ayanamsa)];
}

int SwissBody(PlanetIndex planet, NodeKind node) {
  assert(planet != SNode && "Ketu is placed opposite Rahu, not computed");
  if (planet == NNode) return node == NodeKind::True ? SE_TRUE_NODE : SE_MEAN_NODE;
  return kPlanetBodies[static_cast<std::size_t>(planet)];
}

}  // namespace tarvel
