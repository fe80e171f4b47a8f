#include "argala/argala_lists.h"

#include <algorithm>
#include <charconv>

namespace tarvel {

namespace {

constexpr std::array<std::string_view, 5> kMaleficNames = {"Sun", "Saturn", "Mars", "N Node",
                                                           "S Node"};

// Indexed [malefic][primary].
constexpr std::string_view kArgalaLabels[2][2] = {
    {"/Secondary Argala (Shubha Argala) on ", "/Primary Argala (Shubha Argala) on "},
    {"/Secondary Argala (Paap Argala) on ", "/Primary Argala (Paap Argala) on "},
};

constexpr std::string_view kPrimaryVirodhargala = "/Primary Virodhargala (Benefic) on ";
constexpr std::string_view kSecondaryVirodhargala = "/Secondary Virodhargala (Benefic) on ";
constexpr std::string_view kMaleficCasterVirodhargala = "/Virodhargala (Benefic) on ";
constexpr std::string_view kBeneficCasterVirodhargala = "/Virodhargala (Malefic) on ";

std::string Entry(std::string_view caster, std::string_view label, std::string_view recipient,
                  std::string_view house) {
  std::string entry;
  entry.append(caster).append(label).append(recipient);
  entry.append(" (House ").append(house).append(")");
  return entry;
}

// A house text that is not a number reads as 0, an ordinary house.
int HouseNumber(std::string_view houseText) {
  int house = 0;
  std::from_chars(houseText.data(), houseText.data() + houseText.size(), house);
  return house;
}

// Calls visit(caster, recipient, positionOrder) for every planet standing in one of the
// given positions of every recipient, in recipient, position, caster order.
template <typename PositionSigns, typename Visit>
void ForEachPlanetInPositions(const std::array<PositionSigns, kPlanetCount>& positions,
                              const std::array<std::string, kPlanetCount>& planetSignAbbrevs,
                              Visit visit) {
  for (int recipient = 0; recipient < kPlanetCount; ++recipient) {
    for (std::size_t order = 0; order < positions[recipient].size(); ++order) {
      for (int caster = 0; caster < kPlanetCount; ++caster) {
        if (planetSignAbbrevs[caster] == positions[recipient][order]) {
          visit(caster, recipient, order);
        }
      }
    }
  }
}

}  // namespace

bool IsMalefic(std::string_view planetName) {
  return std::find(kMaleficNames.begin(), kMaleficNames.end(), planetName) != kMaleficNames.end();
}

std::string_view ArgalaLabel(bool maleficCaster, bool primaryPosition) {
  return kArgalaLabels[maleficCaster ? 1 : 0][primaryPosition ? 1 : 0];
}

std::string_view VirodhargalaLabel(bool maleficObstructor, int recipientHouse) {
  switch (recipientHouse) {
    case 3:
    case 10:
    case 12:
      return kPrimaryVirodhargala;
    case 9:
      return kSecondaryVirodhargala;
    default:
      return maleficObstructor ? kMaleficCasterVirodhargala : kBeneficCasterVirodhargala;
  }
}

ArgalaCasting BuildArgalaList(const PlanetTable& planetNames, const ArgalaTables& tables) {
  ArgalaCasting casting;
  ForEachPlanetInPositions(
      tables.ArgalaPositions, tables.PlanetSignAbbrevs,
      [&](int caster, int recipient, std::size_t order) {
        casting.ArgalaCaster[caster] = true;
        const std::string_view label =
            ArgalaLabel(IsMalefic(planetNames[caster]), order < kPrimaryArgalaPositionCount);
        casting.ArgalaList.push_back(Entry(planetNames[caster], label, planetNames[recipient],
                                           tables.PlanetHouses[recipient]));
      });
  return casting;
}

std::vector<std::string> BuildVirodhargalaList(const PlanetTable& planetNames,
                                               const ArgalaTables& tables,
                                               const ArgalaCasterFlags& argalaCaster) {
  std::vector<std::string> list;
  ForEachPlanetInPositions(
      tables.ObstructionPositions, tables.PlanetSignAbbrevs,
      [&](int caster, int recipient, std::size_t /*order*/) {
        if (!argalaCaster[caster]) return;
        const std::string& house = tables.PlanetHouses[recipient];
        const std::string_view label =
            VirodhargalaLabel(IsMalefic(planetNames[caster]), HouseNumber(house));
        list.push_back(Entry(planetNames[caster], label, planetNames[recipient], house));
      });
  return list;
}

}  // namespace tarvel
