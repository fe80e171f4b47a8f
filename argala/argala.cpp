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

// Calls visit(caster, recipient, positionOrder) for every planet standing in one of the
// positions of every recipient, in recipient, position, caster order. Positions count as
// SignAtPosition does: from the recipient's sign up to eleven signs on, or back for the S Node.
template <std::size_t N, typename Visit>
void ForEachPlanetInPositions(const ChartSigns& signs, const DoubledOccupants& occupants,
                              const std::array<int, N>& positions, Visit visit) {
  for (int r = 0; r < kPlanetCount; ++r) {
    const auto recipient = static_cast<PlanetIndex>(r);
    const int recipientSign = signs.grahas[r].value_or(0);
    const bool backward = CountsBackward(recipient);
    for (std::size_t order = 0; order < N; ++order) {
      const int steps = positions[order] - 1;
      const int at = backward ? recipientSign + kSignCount - steps : recipientSign + steps;
      ForEachPlanetIn(occupants[static_cast<std::size_t>(at)],
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
  std::array<bool, kPlanetCount> castsArgala{};
  ForEachPlanetInPositions(
      signs, occupants, kArgalaPositions, [&](PlanetIndex c, PlanetIndex r, auto order) {
        castsArgala[c] = true;
        ArgalaEntry& entry = AddEntry(result.argala, ArgalaKind::Argala, c, r, result.houses[r]);
        entry.strength =
            order < kPrimaryArgalaPositions ? ArgalaStrength::Primary : ArgalaStrength::Secondary;
        entry.nature = IsMalefic(c) ? ArgalaNature::Paap : ArgalaNature::Shubha;
      });
  // Obstruction needs to know every caster, so the Argala list is complete first.
  result.virodhargala.clear();
  result.virodhargala.reserve(kMaxEntries);
  ForEachPlanetInPositions(signs, occupants, kObstructionPositions,
                           [&](PlanetIndex c, PlanetIndex r, auto) {
                             if (castsArgala[c])
                               AddObstruction(result.virodhargala, c, r, result.houses[r]);
                           });
}

}  // namespace tarvel
