#include "cli/chart/chart_json_texts.h"

#include <string>

#include "document/chart_captions.h"

namespace tarvel::cli {

QuotedEntryTexts::QuotedEntryTexts() {
  for (const std::string_view name : kPlanetNames) casters_.Add("\"", name);
  casters_.Seal();
  const EntryTextBook& book = EntryTextBook::Get();
  for (std::size_t rest = 0; rest < EntryTextBook::kRestCount; ++rest) {
    rests_.Add(book.Rest(rest), "\"");
  }
  rests_.Seal();
}

const QuotedEntryTexts& QuotedEntryTexts::Get() {
  static const QuotedEntryTexts texts;
  return texts;
}

QuotedSignBoxes::QuotedSignBoxes() {
  std::string text;
  for (unsigned key = 0; key < 2 * kAscendantBit; ++key) {
    text.assign("\"");
    ForEachPieceOfOccupants(key >= kAscendantBit, static_cast<PlanetSet>(key % kAscendantBit),
                            [&](std::string_view piece) { text.append(piece); });
    texts_.Add(text, "\"");
  }
  texts_.Seal();
}

const QuotedSignBoxes& QuotedSignBoxes::Get() {
  static const QuotedSignBoxes texts;
  return texts;
}

QuotedHouses::QuotedHouses() {
  texts_.Add("\"", HouseText(std::nullopt), "\"");
  for (int house = 1; house <= kSignCount; ++house) texts_.Add("\"", HouseText(house), "\"");
  texts_.Seal();
}

const QuotedHouses& QuotedHouses::Get() {
  static const QuotedHouses texts;
  return texts;
}

LongitudeKeys::LongitudeKeys() {
  keys_.Add(R"({"Ascendant":)");
  for (const std::string_view name : kPlanetNames) keys_.Add(R"(,")", name, R"(":)");
  keys_.Seal();
}

const LongitudeKeys& LongitudeKeys::Get() {
  static const LongitudeKeys keys;
  return keys;
}

}  // namespace tarvel::cli
