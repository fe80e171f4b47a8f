#include "cli/chart/chart_json_texts.h"

#include <string>

#include "document/chart_captions.h"

namespace tarvel::cli {

ChartJsonTexts::ChartJsonTexts() {
  for (const std::string_view name : kPlanetNames) casters_.Add("\"", name);
  casters_.Seal();
  const EntryTextBook& book = EntryTextBook::Get();
  for (std::size_t rest = 0; rest < EntryTextBook::kRestCount; ++rest) {
    rests_.Add(book.Rest(rest), "\"");
  }
  rests_.Seal();

  std::string box;
  for (unsigned key = 0; key < 2 * kAscendantBit; ++key) {
    box.assign("\"");
    ForEachPieceOfOccupants(key >= kAscendantBit, static_cast<PlanetSet>(key % kAscendantBit),
                            [&](std::string_view piece) { box.append(piece); });
    signBoxes_.Add(box, "\"");
  }
  signBoxes_.Seal();

  houses_.Add("\"", HouseText(std::nullopt), "\"");
  for (int house = 1; house <= kSignCount; ++house) houses_.Add("\"", HouseText(house), "\"");
  houses_.Seal();

  longitudeKeys_.Add(R"({"Ascendant":)");
  for (const std::string_view name : kPlanetNames) longitudeKeys_.Add(R"(,")", name, R"(":)");
  longitudeKeys_.Seal();
}

}  // namespace tarvel::cli
