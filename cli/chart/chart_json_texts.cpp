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

QuotedHouses::QuotedHouses() {
  texts_.Add("\"", HouseText(std::nullopt), "\"");
  for (int house = 1; house <= kSignCount; ++house) texts_.Add("\"", HouseText(house), "\"");
  texts_.Seal();
}

LongitudeKeys::LongitudeKeys() {
  keys_.Add(R"({"Ascendant":)");
  for (const std::string_view name : kPlanetNames) keys_.Add(R"(,")", name, R"(":)");
  keys_.Seal();
}

}  // namespace tarvel::cli
