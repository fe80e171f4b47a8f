#include "document/argala_text.h"

#include <array>

namespace tarvel {

namespace {

// Every label, by kind, strength (primary, secondary, plain) and nature (Shubha or Benefic
// first, Paap or Malefic second). An Argala's nature names the Argala again. Argala, Shubha
// and Paap Argala and Virodhargala are Brihat Parashara Hora Shastra's words (ch. 31);
// "Benefic" and "Malefic" rate an obstruction for its recipient (see EvaluateArgala).
constexpr std::string_view kLabels[2][3][2] = {
    {{"/Primary Argala (Shubha Argala) on ", "/Primary Argala (Paap Argala) on "},
     {"/Secondary Argala (Shubha Argala) on ", "/Secondary Argala (Paap Argala) on "},
     {"/Argala (Shubha Argala) on ", "/Argala (Paap Argala) on "}},
    {{"/Primary Virodhargala (Benefic) on ", "/Primary Virodhargala (Malefic) on "},
     {"/Secondary Virodhargala (Benefic) on ", "/Secondary Virodhargala (Malefic) on "},
     {"/Virodhargala (Benefic) on ", "/Virodhargala (Malefic) on "}},
};

// By house, 1 to 12; nothing for an unknown one.
constexpr std::array<std::string_view, 13> kHouseNumbers = {"",  "1", "2", "3",  "4",  "5", "6",
                                                            "7", "8", "9", "10", "11", "12"};

bool IsHarmful(ArgalaNature nature) {
  return nature == ArgalaNature::Paap || nature == ArgalaNature::Malefic;
}

std::string_view Label(const ArgalaEntry& entry) {
  return kLabels[static_cast<std::size_t>(entry.kind)][static_cast<std::size_t>(entry.strength)]
                [IsHarmful(entry.nature) ? 1 : 0];
}

// The recipient and its house: what follows the label.
void AppendRecipient(std::string& text, const ArgalaEntry& entry) {
  text.append(kPlanetNames[entry.recipient])
      .append(" (House ")
      .append(HouseText(entry.recipientHouse))
      .append(")");
}

}  // namespace

std::string_view HouseText(std::optional<int> house) {
  return house && *house >= 1 && *house <= 12 ? kHouseNumbers[static_cast<std::size_t>(*house)]
                                              : kHouseNumbers[0];
}

void AppendEntryLabel(std::string& text, const ArgalaEntry& entry) {
  text.append(Label(entry));
}

void AppendEntryText(std::string& text, const ArgalaEntry& entry) {
  text.append(kPlanetNames[entry.caster]).append(Label(entry));
  AppendRecipient(text, entry);
}

std::string EntryText(const ArgalaEntry& entry) {
  std::string text;
  AppendEntryText(text, entry);
  return text;
}

void AppendEntryLine(std::string& text, const ArgalaEntry& entry) {
  text.append(Label(entry).substr(1));
  AppendRecipient(text, entry);
}

}  // namespace tarvel
