#include "document/argala_text.h"

#include <string>

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

// What follows the recipient, by house (0 for an unknown one).
constexpr std::array<std::string_view, 13> kHouseEnds = {
    " (House )",   " (House 1)",  " (House 2)", " (House 3)", " (House 4)",
    " (House 5)",  " (House 6)",  " (House 7)", " (House 8)", " (House 9)",
    " (House 10)", " (House 11)", " (House 12)"};

// The number inside a house end: between " (House " and ")".
constexpr std::size_t kHouseNumberStart = 8;

using Book = EntryTextBook;

static_assert(static_cast<int>(ArgalaNature::Paap) % 2 == 1 &&
              static_cast<int>(ArgalaNature::Malefic) % 2 == 1 &&
              static_cast<int>(ArgalaNature::Shubha) % 2 == 0 &&
              static_cast<int>(ArgalaNature::Benefic) % 2 == 0);
static_assert(static_cast<int>(ArgalaKind::Argala) == 0 &&
              static_cast<int>(ArgalaKind::Virodhargala) == 1);
static_assert(kHouseEnds.size() == Book::kHouseEndCount &&
              sizeof kLabels / sizeof kLabels[0][0][0] == Book::kLabelCount);

std::string_view LabelNumbered(std::size_t index) {
  return (&kLabels[0][0][0])[index];
}

std::string_view Label(const ArgalaEntry& entry) {
  return LabelNumbered(Book::LabelIndex(entry));
}

}  // namespace

EntryTextBook::EntryTextBook() {
  for (std::size_t label = 0; label < kLabelCount; ++label) {
    for (const std::string_view recipient : kPlanetNames) {
      for (const std::string_view houseEnd : kHouseEnds) {
        rests_.Add(LabelNumbered(label), recipient, houseEnd);
      }
    }
  }
  rests_.Seal();
}

std::string_view HouseText(std::optional<int> house) {
  const std::string_view end = kHouseEnds[Book::HouseIndex(house)];
  return end.substr(kHouseNumberStart, end.size() - kHouseNumberStart - 1);
}

void AppendEntryLabel(std::string& text, const ArgalaEntry& entry) {
  text.append(Label(entry));
}

void AppendEntryText(std::string& text, const ArgalaEntry& entry) {
  const EntryTexts texts = TextsOfEntry(entry);
  text.append(texts.caster).append(texts.rest);
}

std::string EntryText(const ArgalaEntry& entry) {
  std::string text;
  AppendEntryText(text, entry);
  return text;
}

}  // namespace tarvel
