#include "argala/argala_lists.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

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

constexpr std::string_view kHouseOpen = " (House ";
constexpr std::string_view kHouseClose = ")";

// Writes entries over the strings a list already holds, so that their room is used again; the
// list ends up holding exactly the entries written.
class EntryWriter {
 public:
  explicit EntryWriter(std::vector<std::string>& list) : list_(list) {}

  void Add(std::string_view caster, std::string_view label, std::string_view recipient,
           std::string_view house) {
    if (count_ == list_.size()) list_.emplace_back();
    std::string& entry = list_[count_++];
    entry.clear();
    entry.reserve(caster.size() + label.size() + recipient.size() + kHouseOpen.size() +
                  house.size() + kHouseClose.size());
    entry.append(caster).append(label).append(recipient);
    entry.append(kHouseOpen).append(house).append(kHouseClose);
  }

  void Finish() { list_.resize(count_); }

 private:
  std::vector<std::string>& list_;
  std::size_t count_ = 0;
};

// Sign abbreviations are three letters; packed into one number, two of them compare in one
// step. Any other text packs to kNotThreeLetters and is compared as text.
constexpr std::uint32_t kNotThreeLetters = 0;

std::uint32_t PackedAbbrev(std::string_view text) {
  if (text.size() != 3) return kNotThreeLetters;
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
  };
  return 1u << 24 | byte(0) << 16 | byte(1) << 8 | byte(2);
}

// Each planet's nature by its name, looked up once per chart.
std::array<bool, kPlanetCount> MaleficCasters(const PlanetTable& planetNames) {
  std::array<bool, kPlanetCount> malefic{};
  for (int p = 0; p < kPlanetCount; ++p) malefic[p] = IsMalefic(planetNames[p]);
  return malefic;
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
  std::array<std::uint32_t, kPlanetCount> casterKeys;
  for (int caster = 0; caster < kPlanetCount; ++caster) {
    casterKeys[caster] = PackedAbbrev(planetSignAbbrevs[caster]);
  }
  for (int recipient = 0; recipient < kPlanetCount; ++recipient) {
    for (std::size_t order = 0; order < positions[recipient].size(); ++order) {
      const std::string_view position = positions[recipient][order];
      const std::uint32_t positionKey = PackedAbbrev(position);
      for (int caster = 0; caster < kPlanetCount; ++caster) {
        if (positionKey != kNotThreeLetters ? casterKeys[caster] == positionKey
                                            : planetSignAbbrevs[caster] == position) {
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

ArgalaCasterFlags FillArgalaList(const PlanetTable& planetNames, const ArgalaTables& tables,
                                 std::vector<std::string>& list) {
  ArgalaCasterFlags argalaCaster{};
  const std::array<bool, kPlanetCount> malefic = MaleficCasters(planetNames);
  EntryWriter writer(list);
  ForEachPlanetInPositions(tables.ArgalaPositions, tables.PlanetSignAbbrevs,
                           [&](int caster, int recipient, std::size_t order) {
                             argalaCaster[caster] = true;
                             const std::string_view label =
                                 ArgalaLabel(malefic[caster], order < kPrimaryArgalaPositionCount);
                             writer.Add(planetNames[caster], label, planetNames[recipient],
                                        tables.PlanetHouses[recipient]);
                           });
  writer.Finish();
  return argalaCaster;
}

void FillVirodhargalaList(const PlanetTable& planetNames, const ArgalaTables& tables,
                          const ArgalaCasterFlags& argalaCaster, std::vector<std::string>& list) {
  const std::array<bool, kPlanetCount> malefic = MaleficCasters(planetNames);
  EntryWriter writer(list);
  ForEachPlanetInPositions(tables.ObstructionPositions, tables.PlanetSignAbbrevs,
                           [&](int caster, int recipient, std::size_t /*order*/) {
                             if (!argalaCaster[caster]) return;
                             const std::string& house = tables.PlanetHouses[recipient];
                             const std::string_view label =
                                 VirodhargalaLabel(malefic[caster], HouseNumber(house));
                             writer.Add(planetNames[caster], label, planetNames[recipient], house);
                           });
  writer.Finish();
}

ArgalaCasting BuildArgalaList(const PlanetTable& planetNames, const ArgalaTables& tables) {
  ArgalaCasting casting;
  casting.ArgalaCaster = FillArgalaList(planetNames, tables, casting.ArgalaList);
  return casting;
}

std::vector<std::string> BuildVirodhargalaList(const PlanetTable& planetNames,
                                               const ArgalaTables& tables,
                                               const ArgalaCasterFlags& argalaCaster) {
  std::vector<std::string> list;
  FillVirodhargalaList(planetNames, tables, argalaCaster, list);
  return list;
}

}  // namespace tarvel
