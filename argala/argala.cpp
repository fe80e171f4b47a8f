#include "argala/argala.h"

namespace tarvel {

namespace {

// The obstructing positions in the order of the Virodhargala list: 3rd, 10th, 12th, 9th.
constexpr auto kObstructionRules = [] {
  std::array<ArgalaRule, 4> rules{};
  for (const ArgalaRule& rule : kArgalaRules) {
    if (rule.obstructing != 0) rules[static_cast<std::size_t>(rule.obstructionOrder)] = rule;
  }
  return rules;
}();

// The strength of an obstruction by the recipient's house (0 when unknown): that of the rule
// whose obstructers stand in that house counted from the ascendant, none for other houses.
constexpr auto kObstructionStrengthByHouse = [] {
  std::array<std::optional<ArgalaStrength>, kSignCount + 1> strengths{};
  for (int house = 1; house <= kSignCount; ++house) {
    const auto rule = RuleObstructedFrom(house);
    if (rule) strengths[static_cast<std::size_t>(house)] = rule->strength;
  }
  return strengths;
}();

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

// Calls visit(caster, recipient, rule) for every planet of `among` standing at `position(rule)`
// from every recipient, in recipient, rule, caster order. A recipient of unknown sign counts
// from Aries.
template <std::size_t N, typename Position, typename Visit>
void ForEachPlanetAt(const ChartSigns& signs, const SignOccupants& occupants,
                     const std::array<ArgalaRule, N>& rules, Position position, PlanetSet among,
                     Visit visit) {
  for (int r = 0; r < kPlanetCount; ++r) {
    const auto recipient = static_cast<PlanetIndex>(r);
    const int from = signs.grahas[r].value_or(0);
    for (const ArgalaRule& rule : rules) {
      const int at = SignAtPosition(from, position(rule), CountingOf(recipient));
      ForEachPlanetIn(static_cast<PlanetSet>(occupants[static_cast<std::size_t>(at)] & among),
                      [&](PlanetIndex caster) { visit(caster, recipient, rule); });
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

// The label follows the recipient's house, not the position the obstruction comes from: a
// recipient standing in an obstructing house (3, 10, 12 from the ascendant, or 9) has its
// obstruction named after that house's rule. Elsewhere the label rates the obstruction for
// the recipient rather than naming the obstructer: a malefic that obstructs holds back harm,
// so its Virodhargala reads "Benefic"; a benefic that obstructs holds back help, "Malefic".
void AddObstruction(std::vector<ArgalaEntry>& list, PlanetIndex caster, PlanetIndex recipient,
                    const std::optional<int>& house) {
  ArgalaEntry& entry = AddEntry(list, ArgalaKind::Virodhargala, caster, recipient, house);
  const auto& strength = kObstructionStrengthByHouse[static_cast<std::size_t>(house.value_or(0))];
  if (strength) {
    entry.strength = *strength;
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

ArgalaResult EvaluateArgala(const ChartSigns& signs) {
  ArgalaResult result;
  EvaluateArgala(signs, result);
  return result;
}

void EvaluateArgala(const ChartSigns& signs, ArgalaResult& result) {
  result.houses = Houses(signs);
  const SignOccupants occupants = OccupantsBySign(signs);
  result.argala.clear();
  result.argala.reserve(kMaxEntries);
  constexpr auto kEveryPlanet = static_cast<PlanetSet>((1u << kPlanetCount) - 1);
  PlanetSet casters = 0;
  ForEachPlanetAt(
      signs, occupants, kArgalaRules, [](const ArgalaRule& rule) { return rule.position; },
      kEveryPlanet,
      [&](PlanetIndex c, PlanetIndex r, const ArgalaRule& rule) {
        casters |= static_cast<PlanetSet>(1u << c);
        ArgalaEntry& entry = AddEntry(result.argala, ArgalaKind::Argala, c, r, result.houses[r]);
        entry.strength = rule.strength;
        // Shubha from a benefic, Paap from a malefic (Brihat Parashara Hora Shastra ch. 31).
        entry.nature = IsMalefic(c) ? ArgalaNature::Paap : ArgalaNature::Shubha;
      });
  // Only a planet that casts Argala obstructs, so the Argala list is complete first.
  result.virodhargala.clear();
  result.virodhargala.reserve(kMaxEntries);
  ForEachPlanetAt(
      signs, occupants, kObstructionRules, [](const ArgalaRule& rule) { return rule.obstructing; },
      casters,
      [&](PlanetIndex c, PlanetIndex r, const ArgalaRule&) {
        AddObstruction(result.virodhargala, c, r, result.houses[r]);
      });
}

}  // namespace tarvel
