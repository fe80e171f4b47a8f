#include "argala/argala_summary.h"

#include <algorithm>
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

// How many planets each set holds, by its bits.
constexpr auto kSetSizes = [] {
  std::array<std::uint8_t, 1u << kPlanetCount> sizes{};
  for (unsigned set = 0; set < sizes.size(); ++set) {
    sizes[set] = static_cast<std::uint8_t>(std::popcount(set));
  }
  return sizes;
}();

// Each sign's planets three times over: counted from a sign of the middle copy, forward or
// backward, a position is one element away without wrapping round the zodiac.
using Wheel = std::array<PlanetSet, 3 * kSignCount>;

Wheel WheelOf(const SignOccupants& occupants) {
  Wheel wheel;
  for (std::size_t turn = 0; turn < 3; ++turn) {
    std::copy(occupants.begin(), occupants.end(), wheel.begin() + turn * kSignCount);
  }
  return wheel;
}

SummaryVerdict Verdict(PlanetSet casters, PlanetSet obstructers) {
  if (obstructers == 0) return SummaryVerdict::Unobstructed;
  const int difference = kSetSizes[casters] - kSetSizes[obstructers];
  if (difference > 0) return SummaryVerdict::Prevails;
  return difference == 0 ? SummaryVerdict::Balanced : SummaryVerdict::Obstructed;
}

// The entries of a recipient in the sign `own` points at, counting `step` (1 forward, -1
// backward) along the wheel.
RecipientSummary Summarise(const PlanetSet* own, int step) {
  const auto at = [&](int position) { return own[step * (position - 1)]; };
  const PlanetSet maleficsInThird = at(kVipareetaPosition) & kMalefics;
  const PlanetSet vipareeta =
      kSetSizes[maleficsInThird] >= kVipareetaMalefics ? maleficsInThird : PlanetSet{0};
  RecipientSummary summary;
  for (const PositionRule& rule : kPositionRules) {
    const PlanetSet casters = at(rule.position);
    if (casters == 0) continue;
    PlanetSet obstructers = rule.obstructing == 0 ? PlanetSet{0} : at(rule.obstructing);
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

int HouseOfPlanetSummary(const ChartSigns& signs, PlanetIndex planet) {
  return SignAfter(signs.grahas[planet].value_or(0), -signs.ascendant.value_or(0)) + 1;
}

ArgalaSummary SummariseArgala(const ChartSigns& signs) {
  const Wheel wheel = WheelOf(OccupantsBySign(signs));
  const PlanetSet* middle = wheel.data() + kSignCount;
  ArgalaSummary summary;
  for (int h = 0; h < kSignCount; ++h) {
    summary.houses[h] = Summarise(middle + HouseSign(signs, h + 1), 1);
  }
  // A planet counting forward receives what the house of its sign receives.
  for (int p = 0; p < kPlanetCount; ++p) {
    const auto planet = static_cast<PlanetIndex>(p);
    const int sign = signs.grahas[p].value_or(0);
    summary.planets[p] = CountsBackward(planet)
                             ? Summarise(middle + sign, -1)
                             : summary.houses[HouseOfPlanetSummary(signs, planet) - 1];
  }
  return summary;
}

}  // namespace tarvel
