#include "argala/argala_summary.h"

#include <bit>

namespace tarvel {

namespace {

// Three or more malefics in the 3rd give Argala of their own, which nothing obstructs (Jaimini,
// Upadesa Sutras 1.1.3); fewer obstruct the 11th like any other planets.
constexpr int kVipareetaPosition = 3;
constexpr int kVipareetaMalefics = 3;

constexpr PlanetSet kMalefics = [] {
  PlanetSet malefics = 0;
  for (int p = 0; p < kPlanetCount; ++p) {
    if (IsMalefic(static_cast<PlanetIndex>(p))) malefics |= static_cast<PlanetSet>(1u << p);
  }
  return malefics;
}();

// Fewer obstructers than casters do not stop an Argala (Jaimini, Upadesa Sutras 1.1.6); only
// their number is weighed here, not their strength.
SummaryVerdict Verdict(PlanetSet casters, PlanetSet obstructers) {
  if (obstructers == 0) return SummaryVerdict::Unobstructed;
  const int difference = std::popcount(casters) - std::popcount(obstructers);
  if (difference > 0) return SummaryVerdict::Prevails;
  return difference == 0 ? SummaryVerdict::Balanced : SummaryVerdict::Obstructed;
}

SummaryKind KindOf(const ArgalaRule& rule) {
  return rule.strength == ArgalaStrength::Primary ? SummaryKind::Primary : SummaryKind::Secondary;
}

// The entries of a recipient in `sign`, its positions counted as `counting` says.
RecipientSummary Summarise(const SignOccupants& occupants, int sign, Counting counting) {
  const auto at = [&](int position) {
    return occupants[static_cast<std::size_t>(SignAtPosition(sign, position, counting))];
  };
  const auto maleficsInThird = static_cast<PlanetSet>(at(kVipareetaPosition) & kMalefics);
  const PlanetSet vipareeta =
      std::popcount(maleficsInThird) >= kVipareetaMalefics ? maleficsInThird : PlanetSet{0};
  RecipientSummary summary;
  for (const ArgalaRule& rule : kArgalaRules) {
    const PlanetSet casters = at(rule.position);
    if (casters == 0) continue;
    PlanetSet obstructers = rule.obstructing == 0 ? PlanetSet{0} : at(rule.obstructing);
    // Malefics giving Vipareeta Argala from the 3rd no longer obstruct the 11th.
    if (rule.obstructing == kVipareetaPosition) obstructers &= static_cast<PlanetSet>(~vipareeta);
    summary.Add({static_cast<std::uint8_t>(rule.position), KindOf(rule),
                 Verdict(casters, obstructers), casters, obstructers});
  }
  if (vipareeta != 0) {
    summary.Add(
        {kVipareetaPosition, SummaryKind::Vipareeta, SummaryVerdict::Unobstructed, vipareeta, 0});
  }
  return summary;
}

}  // namespace

int ObstructingPosition(int position) {
  const std::optional<ArgalaRule> rule = RuleOfPosition(position);
  return rule ? rule->obstructing : 0;
}

int HouseSign(const ChartSigns& signs, int house) {
  return SignAtPosition(signs.ascendant.value_or(0), house, Counting::Forward);
}

int HouseOfPlanetSummary(const ChartSigns& signs, PlanetIndex planet) {
  return SignAfter(signs.grahas[planet].value_or(0), -signs.ascendant.value_or(0)) + 1;
}

ArgalaSummary SummariseArgala(const ChartSigns& signs) {
  const SignOccupants occupants = OccupantsBySign(signs);
  ArgalaSummary summary;
  for (int h = 0; h < kSignCount; ++h) {
    summary.houses[h] = Summarise(occupants, HouseSign(signs, h + 1), Counting::Forward);
  }
  // A planet counting forward receives what the house of its sign receives.
  for (int p = 0; p < kPlanetCount; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    const int sign = signs.grahas[p].value_or(0);
    summary.planets[p] = CountingOf(planet) == Counting::Backward
                             ? Summarise(occupants, sign, Counting::Backward)
                             : summary.houses[HouseOfPlanetSummary(signs, planet) - 1];
  }
  return summary;
}

}  // namespace tarvel
