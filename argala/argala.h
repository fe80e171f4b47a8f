#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/planets.h"
#include "base/signs.h"

namespace tarvel {

/// The signs the chart's points stand in (0 = Aries ... 11 = Pisces); none where a point's
/// longitude names no sign.
struct ChartSigns {
  std::optional<int> ascendant;
  std::array<std::optional<int>, kPlanetCount> grahas;
  bool operator==(const ChartSigns&) const = default;
};

/// An intervention (Argala) or an obstruction of one (Virodhargala).
enum class ArgalaKind { Argala, Virodhargala };
/// Primary and secondary Argala by position; Virodhargala by the recipient's house, where
/// neither applies it is plain.
enum class ArgalaStrength { Primary, Secondary, Plain };
/// Shubha or Paap for an Argala; Benefic or Malefic for a Virodhargala.
enum class ArgalaNature { Shubha, Paap, Benefic, Malefic };

/// One entry of the Argala or the Virodhargala list.
struct ArgalaEntry {
  ArgalaKind kind = ArgalaKind::Argala;
  PlanetIndex caster = Sun;  ///< the planet that intervenes or obstructs
  PlanetIndex recipient = Sun;
  ArgalaStrength strength = ArgalaStrength::Plain;
  ArgalaNature nature = ArgalaNature::Shubha;
  std::optional<int> recipientHouse;  ///< 1-12; none when the recipient's sign is unknown
  bool operator==(const ArgalaEntry&) const = default;
};

/// The houses, Argala and Virodhargala of a chart, by whole signs.
struct ArgalaResult {
  /// Each planet's house, 1 (the ascendant's sign) to 12; none when its sign is unknown.
  std::array<std::optional<int>, kPlanetCount> houses;
  /// Ordered by recipient, then position (2nd, 4th, 11th, 5th, 8th), then caster.
  std::vector<ArgalaEntry> argala;
  /// Ordered by recipient, then position (3rd, 10th, 12th, 9th), then obstructing planet.
  std::vector<ArgalaEntry> virodhargala;
  bool operator==(const ArgalaResult&) const = default;
};

/// A set of planets, one bit per planet index (bit 0 the Sun).
using PlanetSet = std::uint16_t;

/// Calls `visit(planet)` for each planet of a set, in planet-index order.
template <typename Visit>
void ForEachPlanetIn(PlanetSet planets, Visit visit) {
  for (unsigned rest = planets; rest != 0; rest &= rest - 1) {
    visit(static_cast<PlanetIndex>(std::countr_zero(rest)));
  }
}

/// The planets standing in each sign, by sign number (0 = Aries).
using SignOccupants = std::array<PlanetSet, kSignCount>;

/// Which planets stand in each sign; a planet of unknown sign stands in none.
SignOccupants OccupantsBySign(const ChartSigns& signs);

/// True for the S Node, which counts its positions backward through the zodiac.
constexpr bool CountsBackward(PlanetIndex planet) {
  return planet == SNode;
}

/// The sign `position` places (1 is the planet's own sign) from a planet in `sign`: forward
/// through the zodiac, except for the S Node, which counts backward.
int SignAtPosition(PlanetIndex planet, int sign, int position);

/// Houses, Argala and Virodhargala of the chart. Houses count from the ascendant's sign, or
/// from Aries when it is unknown; a planet of unknown sign counts its positions from Aries
/// and casts nothing. Only a planet that casts some Argala obstructs.
ArgalaResult EvaluateArgala(const ChartSigns& signs);
/// The same, written over `into` and reusing the room its lists already have, so that a caller
/// computing chart after chart allocates nothing once its lists have grown.
void EvaluateArgala(const ChartSigns& signs, ArgalaResult& into);

}  // namespace tarvel
