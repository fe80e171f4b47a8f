#include "argala/argala.h"

#include <algorithm>

namespace tarvel {

namespace {

// Argala positions in evaluation order: 2nd, 4th and 11th are primary, 5th and 8th secondary.
constexpr std::array<int, 5> kArgalaPositions = {2, 4, 11, 5, 8};
constexpr std::size_t kPrimaryArgalaPositions = 3;
// Obstruction positions in evaluation order.
constexpr std::array<int, 4> kObstructionPositions = {3, 10, 12, 9};

// The most entries a list can hold: each recipient meets each other planet at most once.
constexpr std::size_t kMaxEntries = kPlanetCount * (kPlanetCount - 1);

std::array<std::optional<int>, kPlanetCount> Houses(const ChartSigns& signs) {
  const int ascendant = signs.ascendant.value_or(0);
  std::array<std::optional<int>, kPlanetCount> houses;
  for (int p = 0; p < kPlanetCount; ++p) {
    if (signs.grahas[p]) houses[p] = SignAfter(*signs.grahas[p], -ascendant) + 1;
  }
  return houses;
}

// The occupants of every sign twice over, so that the sign any position places, counted forward
// or backward, is found without wrapping round the zodiac.
using DoubledOccupants = std::array<PlanetSet, 2 * kSignCount>;

DoubledOccupants Doubled(const SignOccupants& occupants) {
  DoubledOccupants doubled{};
  std::copy(occupants.begin(), occupants.end(), doubled.begin());
  std::copy(occupants.begin(), occupants.end(), doubled.begin() + kSignCount);
  return doubled;
}

// How many signs on from the recipient's sign each position lies, counted forward, and counted
// back as steps forward round the zodiac: made once from the positions.
template <std::size_t N>
struct PositionSteps {
  std::array<int, N> forward{};
  std::array<int, N> backward{};
};

template <std::size_t N>
constexpr PositionSteps<N> StepsOf(const std::array<int, N>& positions) {
  PositionSteps<N> steps;
  for (std::size_t order = 0; order < N; ++order) {
    steps.forward[order] = positions[order] - 1;
    steps.backward[order] = kSignCount - (positions[order] - 1);
  }
  return steps;
}

constexpr PositionSteps<kArgalaPositions.size()> kArgalaSteps = StepsOf(kArgalaPositions);
constexpr PositionSteps<kObstructionPositions.size()> kObstructionSteps =
    StepsOf(kObstructionPositions);

// Calls visit(caster, recipient, positionOrder) for every planet of `among` standing in one of
// the positions of every recipient, in recipient, position, caster order. Positions count as
// SignAtPosition does: from the recipient's sign up to eleven signs on, or back for the S Node.
template <std::size_t N, typename Visit>
void ForEachPlanetInPositions(const ChartSigns& signs, const DoubledOccupants& occupants,
                              const PositionSteps<N>& steps, PlanetSet among, Visit visit) {
  for (int r = 0; r < kPlanetCount; ++r) {
    const auto recipient = static_cast<PlanetIndex>(r);
    const int recipientSign = signs.grahas[r].value_or(0);
    const std::array<int, N>& stepsOn = CountsBackward(recipient) ? steps.backward : steps.forward;
    for (std::size_t order = 0; order < N; ++order) {
      const auto at = static_cast<std::size_t>(recipientSign + stepsOn[order]);
      ForEachPlanetIn(static_cast<PlanetSet>(occupants[at] & among),
                      [&](PlanetIndex caster) { visit(caster, recipient, order); });
    }
  }
}

// An entry is written field by field where it stands in its list: one built aside and copied
// in is stored in pieces and read back whole, which stalls the processor on every entry.
ArgalaEntry& AddEntry(std::vector<ArgalaEntry>& list, ArgalaKind kind, PlanetIndex caster,
                      PlanetIndex recipient, const std::optional<int>& house) {
  ArgalaEntry& entry = list.emplace_back();
  entry.kind = kind;
  entry.caster = caster;
  entry.recipient = recipient;
  entry.recipientHouse = house;
  return entry;
}

// The label follows the recipient's house, not the position the obstruction comes from.
void AddObstruction(std::vector<ArgalaEntry>& list, PlanetIndex caster, PlanetIndex recipient,
                    const std::optional<int>& house) {
  ArgalaEntry& entry = AddEntry(list, ArgalaKind::Virodhargala, caster, recipient, house);
  const int h = house.value_or(0);
  if (h == 3 || h == 10 || h == 12 || h == 9) {
    entry.strength = h == 9 ? ArgalaStrength::Secondary : ArgalaStrength::Primary;
    entry.nature = ArgalaNature::Benefic;
  } else {
    entry.strength = ArgalaStrength::Plain;
    entry.nature = IsMalefic(caster) ? ArgalaNature::Benefic : ArgalaNature::Malefic;
  }
}

}  // namespace

SignOccupants OccupantsBySign(const ChartSigns& signs) {
  SignOccupants occupants{};
  for (int p = 0; p < kPlanetCount; ++p) {
    if (signs.grahas[p]) occupants[*signs.grahas[p]] |= static_cast<PlanetSet>(1u << p);
  }
  return occupants;
}

int SignAtPosition(PlanetIndex planet, int sign, int position) {
  // Positions run 1 to 12 and signs 0 to 11, so one turn at most needs taking back.
  const int steps = CountsBackward(planet) ? 1 - position : position - 1;
  int at = sign + steps;
  if (at < 0) at += kSignCount;
  if (at >= kSignCount) at -= kSignCount;
  return at;
}

ArgalaResult EvaluateArgala(const ChartSigns& signs) {
  ArgalaResult result;
  EvaluateArgala(signs, result);
  return result;
}

void EvaluateArgala(const ChartSigns& signs, ArgalaResult& result) {
  result.houses = Houses(signs);
  const DoubledOccupants occupants = Doubled(OccupantsBySign(signs));
  result.argala.clear();
  result.argala.reserve(kMaxEntries);
  constexpr auto kEveryPlanet = static_cast<PlanetSet>((1u << kPlanetCount) - 1);
  PlanetSet casters = 0;
  ForEachPlanetInPositions(
      signs, occupants, kArgalaSteps, kEveryPlanet, [&](PlanetIndex c, PlanetIndex r, auto order) {
        casters |= static_cast<PlanetSet>(1u << c);
        ArgalaEntry& entry = AddEntry(result.argala, ArgalaKind::Argala, c, r, result.houses[r]);
        entry.strength =
            order < kPrimaryArgalaPositions ? ArgalaStrength::Primary : ArgalaStrength::Secondary;
        entry.nature = IsMalefic(c) ? ArgalaNature::Paap : ArgalaNature::Shubha;
      });
  // Only a planet that casts Argala obstructs, so the Argala list is complete first.
  result.virodhargala.clear();
  result.virodhargala.reserve(kMaxEntries);
  ForEachPlanetInPositions(signs, occupants, kObstructionSteps, casters,
                           [&](PlanetIndex c, PlanetIndex r, auto) {
                             AddObstruction(result.virodhargala, c, r, result.houses[r]);
                           });
}

}  // namespace tarvel
