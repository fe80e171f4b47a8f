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

/// Which way positions are counted through the zodiac from a sign.
enum class Counting { Forward, Backward };

/// How a planet counts its positions: the S Node backward, every other planet forward
/// (Jaimini, Upadesa Sutras 1.1.8: "the reverse for Ketu").
constexpr Counting CountingOf(PlanetIndex planet) {
  return planet == SNode ? Counting::Backward : Counting::Forward;
}

/// The sign (0 = Aries) at `position` (1 is `sign` itself, 2 the next, up to 12) counted from
/// `sign` the way `counting` says.
constexpr int SignAtPosition(int sign, int position, Counting counting) {
  return SignAfter(sign, counting == Counting::Forward ? position - 1 : 1 - position);
}

/// An Argala position paired with the position that obstructs it (Brihat Parashara Hora
/// Shastra ch. 31): the 2nd by the 12th, the 4th by the 10th, the 11th by the 3rd and the 5th by
/// the 9th; nothing obstructs the 8th.
struct ArgalaRule {
  int position = 0;     ///< counted from the recipient's sign, which is the 1st
  int obstructing = 0;  ///< the position of the obstructers; 0 for none
  ArgalaStrength strength = ArgalaStrength::Primary;
  /// Where the rule's obstructers stand in the Virodhargala list, 0 first: the 3rd, the 10th,
  /// the 12th, then the 9th, as the lists have always been ordered.
  int obstructionOrder = 0;
};

/// The rules in the order of the Argala list and the synthesis: 2nd, 4th and 11th (primary),
/// then 5th and 8th (secondary).
inline constexpr std::array<ArgalaRule, 5> kArgalaRules = {{
    {2, 12, ArgalaStrength::Primary, 2},
    {4, 10, ArgalaStrength::Primary, 1},
    {11, 3, ArgalaStrength::Primary, 0},
    {5, 9, ArgalaStrength::Secondary, 3},
    {8, 0, ArgalaStrength::Secondary, -1},
}};

/// The rule whose Argala comes from `position`; none for a position that gives no Argala.
constexpr std::optional<ArgalaRule> RuleOfPosition(int position) {
  for (const ArgalaRule& rule : kArgalaRules) {
    if (rule.position == position) return rule;
  }
  return std::nullopt;
}

/// The rule whose Argala is obstructed from `position`; none for a position that obstructs
/// nothing.
constexpr std::optional<ArgalaRule> RuleObstructedFrom(int position) {
  for (const ArgalaRule& rule : kArgalaRules) {
    if (rule.obstructing != 0 && rule.obstructing == position) return rule;
  }
  return std::nullopt;
}

/// Houses, Argala and Virodhargala of the chart. Houses count from the ascendant's sign, or
/// from Aries when it is unknown; a planet of unknown sign counts its positions from Aries
/// and casts nothing. Only a planet that casts some Argala obstructs.
ArgalaResult EvaluateArgala(const ChartSigns& signs);
/// The same, written over `into` and reusing the room its lists already have, so that a caller
/// computing chart after chart allocates nothing once its lists have grown.
void EvaluateArgala(const ChartSigns& signs, ArgalaResult& into);

}  // namespace tarvel
