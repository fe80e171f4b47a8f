#include "argala/argala_summary.h"

#include <bit>

namespace tarvel {

namespace {

// An Argala position, the position that obstructs it (0 for none) and its kind, in the order
// the entries take.
struct PositionRule {
  std::uint8_t position;
  std::uint8_t obstructing;
  SummaryKind kind;
};

constexpr std::array<PositionRule, 5> kPositionRules = {{{2, 12, SummaryKind::Primary},
                                                         {4, 10, SummaryKind::Primary},
                                                         {11, 3, SummaryKind::Primary},
                                                         {5, 9, SummaryKind::Secondary},
                                                         {8, 0, SummaryKind::Secondary}}};

constexpr std::uint8_t kVipareetaPosition = 3;
// Fewer malefics than this in the 3rd obstruct the 11th like any other planets.
constexpr int kVipareetaMalefics = 3;

constexpr PlanetSet kMalefics = [] {
  PlanetSet malefics = 0;
  for (int p = 0; p < kPlanetCount; ++p) {
    if (IsMalefic(static_cast<PlanetIndex>(p))) malefics |= static_cast<PlanetSet>(1u << p);
  }
  return malefics;
}();

SummaryVerdict Verdict(PlanetSet casters, PlanetSet obstructers) {
  if (obstructers == 0) return SummaryVerdict::Unobstructed;
  const int difference = std::popcount(casters) - std::popcount(obstructers);
  if (difference > 0) return SummaryVerdict::Prevails;
  return difference == 0 ? SummaryVerdict::Balanced : SummaryVerdict::Obstructed;
}

// The entries of one recipient; `signAt(position)` is the sign that position places from it.
template <typename SignAt>
RecipientSummary Summarise(const SignOccupants& occupants, SignAt signAt) {
  const PlanetSet maleficsInThird = occupants[signAt(kVipareetaPosition)] & kMalefics;
  const PlanetSet vipareeta =
      std::popcount(maleficsInThird) >= kVipareetaMalefics ? maleficsInThird : PlanetSet{0};
  RecipientSummary summary;
  for (const PositionRule& rule : kPositionRules) {
    const PlanetSet casters = occupants[signAt(rule.position)];
    if (casters == 0) continue;
    PlanetSet obstructers =
        rule.obstructing == 0 ? PlanetSet{0} : occupants[signAt(rule.obstructing)];
    // Malefics giving Vipareeta Argala from the 3rd no longer obstruct the 11th.
    if (rule.obstructing == kVipareetaPosition) obstructers &= static_cast<PlanetSet>(~vipareeta);
    summary.Add({rule.position, rule.kind, Verdict(casters, obstructers), casters, obstructers});
  }
  if (vipareeta != 0) {
    summary.Add(
        {kVipareetaPosition, SummaryKind::Vipareeta, SummaryVerdict::Unobstructed, vipareeta, 0});
  }
  return summary;
}

}  // namespace

int ObstructingPosition(int position) {
  for (const PositionRule& rule : kPositionRules) {
    if (rule.position == position) return rule.obstructing;
  }
  return 0;
}

int HouseSign(const ChartSigns& signs, int house) {
  return SignAfter(signs.ascendant.value_or(0), house - 1);
}

ArgalaSummary SummariseArgala(const ChartSigns& signs) {
  const SignOccupants occupants = OccupantsBySign(signs);
  ArgalaSummary summary;
  for (int p = 0; p < kPlanetCount; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    const int sign = signs.grahas[p].value_or(0);
    summary.planets[p] =
        Summarise(occupants, [&](int position) { return SignAtPosition(planet, sign, position); });
  }
  for (int h = 0; h < kSignCount; ++h) {
    const int sign = HouseSign(signs, h + 1);
    summary.houses[h] =
        Summarise(occupants, [&](int position) { return SignAfter(sign, position - 1); });
  }
  return summary;
}

}  // namespace tarvel
