#include "cli/chart/argala_summary_json.h"

#include <array>
#include <string>

#include "base/text_table.h"
#include "document/summary_text.h"

namespace tarvel::cli {
namespace {

constexpr std::array<std::string_view, 13> kSmallNumbers = {"0", "1", "2", "3",  "4",  "5", "6",
                                                            "7", "8", "9", "10", "11", "12"};
constexpr std::size_t kKindCount = 3;
constexpr std::size_t kVerdictCount = 4;
constexpr unsigned kPlanetSetCount = 1u << kPlanetCount;

// The fixed parts of an entry, made once, so that writing an entry is five copies: the start
// ({"Position":2,"Kind":"Primary","Casters":[), the casters' names, ],"Obstructers":[, the
// obstructers' names and the end (],"Verdict":"Prevails"}).
class SummaryPieces {
 public:
  // Made once, out of line, so that writing an entry stays a few copies.
  [[gnu::noinline]] SummaryPieces() {
    for (std::size_t position = 0; position < kSmallNumbers.size(); ++position) {
      for (std::size_t kind = 0; kind < kKindCount; ++kind) {
        starts_.Add(std::string(R"({"Position":)")
                        .append(kSmallNumbers[position])
                        .append(R"(,"Kind":")")
                        .append(SummaryKindName(static_cast<SummaryKind>(kind)))
                        .append(R"(","Casters":[)"));
      }
    }
    starts_.Seal();
    for (std::size_t verdict = 0; verdict < kVerdictCount; ++verdict) {
      ends_.Add(std::string(R"(],"Verdict":")")
                    .append(SummaryVerdictName(static_cast<SummaryVerdict>(verdict)))
                    .append(R"("})"));
    }
    ends_.Seal();
    for (unsigned set = 0; set < kPlanetSetCount; ++set) {
      std::string names;
      ForEachPlanetIn(static_cast<PlanetSet>(set), [&](PlanetIndex planet) {
        names.append(names.empty() ? "\"" : ",\"").append(kPlanetNames[planet]).append("\"");
      });
      names_.Add(names);
    }
    names_.Seal();
  }

  void Write(const SummaryEntry& entry, JsonText& json) const {
    json.RawValue(starts_[entry.position * kKindCount + static_cast<std::size_t>(entry.kind)],
                  names_[entry.casters], R"(],"Obstructers":[)", names_[entry.obstructers],
                  ends_[static_cast<std::size_t>(entry.verdict)]);
  }

 private:
  TextTable starts_;  // by position and kind
  TextTable ends_;    // by verdict
  TextTable names_;   // the names of a set of planets, quoted, by the set's bits
};

const SummaryPieces& Pieces() {
  static const SummaryPieces pieces;
  return pieces;
}

void EntriesJson(const RecipientSummary& recipient, const SummaryPieces& pieces, JsonText& json) {
  for (const SummaryEntry& entry : recipient.Entries()) pieces.Write(entry, json);
  json.CloseWith("]}");
}

void PlanetsJson(const ChartResult& chart, const SummaryPieces& pieces, JsonText& json) {
  json.RawOpen(R"("Planets":[)");
  for (int p = 0; p < kPlanetCount; ++p) {
    // A planet of unknown sign has no house.
    const std::optional<int> house = chart.argala.houses[p];
    json.RawOpen(R"({"Recipient":")", kPlanetNames[p], R"(","House":)",
                 house ? kSmallNumbers[*house] : "null", R"(,"Argala":[)");
    EntriesJson(chart.summary.planets[p], pieces, json);
  }
  json.CloseWith("]");
}

void HousesJson(const ChartResult& chart, const SummaryPieces& pieces, JsonText& json) {
  json.RawOpen(R"("Houses":[)");
  for (int house = 1; house <= kSignCount; ++house) {
    json.RawOpen(R"({"House":)", kSmallNumbers[house], R"(,"Sign":)",
                 kSmallNumbers[HouseSign(chart.signs, house)], R"(,"Argala":[)");
    EntriesJson(chart.summary.houses[house - 1], pieces, json);
  }
  json.CloseWith("]");
}

}  // namespace

void ArgalaSummaryJson(const ChartResult& chart, JsonText& json) {
  const SummaryPieces& pieces = Pieces();
  json.BeginObject();
  PlanetsJson(chart, pieces, json);
  HousesJson(chart, pieces, json);
  json.EndObject();
}

}  // namespace tarvel::cli
