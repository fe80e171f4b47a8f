#include "argala/argala_text.h"

namespace tarvel {

namespace {

// Every label, by kind, strength (primary, secondary, plain) and nature (Shubha or Benefic
// first, Paap or Malefic second). An Argala's nature names the Argala again.
constexpr std::string_view kLabels[2][3][2] = {
    {{"/Primary Argala (Shubha Argala) on ", "/Primary Argala (Paap Argala) on "},
     {"/Secondary Argala (Shubha Argala) on ", "/Secondary Argala (Paap Argala) on "},
     {"/Argala (Shubha Argala) on ", "/Argala (Paap Argala) on "}},
    {{"/Primary Virodhargala (Benefic) on ", "/Primary Virodhargala (Malefic) on "},
     {"/Secondary Virodhargala (Benefic) on ", "/Secondary Virodhargala (Malefic) on "},
     {"/Virodhargala (Benefic) on ", "/Virodhargala (Malefic) on "}},
};

// What follows the recipient, by house (0 for an unknown one).
constexpr std::array<std::string_view, 13> kHouseEnds = {
    " (House )",   " (House 1)",  " (House 2)", " (House 3)", " (House 4)",
    " (House 5)",  " (House 6)",  " (House 7)", " (House 8)", " (House 9)",
    " (House 10)", " (House 11)", " (House 12)"};

// The number inside a house end: between " (House " and ")".
constexpr std::size_t kHouseNumberStart = 8;

std::size_t HouseIndex(std::optional<int> house) {
  return house && *house >= 1 && *house <= 12 ? static_cast<std::size_t>(*house) : 0;
}

std::string_view Label(const ArgalaEntry& entry) {
  const bool harmful = entry.nature == ArgalaNature::Paap || entry.nature == ArgalaNature::Malefic;
  return kLabels[entry.kind == ArgalaKind::Argala ? 0 : 1][static_cast<int>(entry.strength)]
                [harmful ? 1 : 0];
}

}  // namespace

std::string_view HouseText(std::optional<int> house) {
  const std::string_view end = kHouseEnds[HouseIndex(house)];
  return end.substr(kHouseNumberStart, end.size() - kHouseNumberStart - 1);
}

EntryPieces PiecesOfEntry(const ArgalaEntry& entry) {
  const std::string_view label = Label(entry);
  return {kPlanetNames[entry.caster], label.substr(0, 1), label.substr(1),
          kPlanetNames[entry.recipient], kHouseEnds[HouseIndex(entry.recipientHouse)]};
}

void AppendEntryLabel(std::string& text, const ArgalaEntry& entry) {
  text.append(Label(entry));
}

void AppendEntryText(std::string& text, const ArgalaEntry& entry) {
  for (const std::string_view piece : PiecesOfEntry(entry)) text.append(piece);
}

std::string EntryText(const ArgalaEntry& entry) {
  std::string text;
  AppendEntryText(text, entry);
  return text;
}

}  // namespace tarvel
