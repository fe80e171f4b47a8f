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

// An entry in three copies of texts made once: its start ({"Position":2,"Kind":"Primary",
// "Casters":[), the casters' names with what follows them (],"Obstructers":[), and the
// obstructers' names with the end (],"Verdict":"Prevails"}). A recipient's start is one copy
// too.
class SummaryPieces {
 public:
  // Made once, out of line, so that writing an entry stays a few copies.
  [[gnu::noinline]] SummaryPieces() {
    for (std::size_t position = 0; position < kSmallNumbers.size(); ++position) {
      for (std::size_t kind = 0; kind < kKindCount; ++kind) {
        starts_.Add(R"({"Position":)", kSmallNumbers[position], R"(,"Kind":")",
                    SummaryKindName(static_cast<SummaryKind>(kind)), R"(","Casters":[)");
      }
    }
    starts_.Seal();
    std::string names;
    for (unsigned set = 0; set < kPlanetSetCount; ++set) {
      WriteNamesOf(set, names);
      casters_.Add(names, R"(],"Obstructers":[)");
      for (std::size_t verdict = 0; verdict < kVerdictCount; ++verdict) {
        obstructers_.Add(names, R"(],"Verdict":")",
                         SummaryVerdictName(static_cast<SummaryVerdict>(verdict)), R"("})");
      }
    }
    casters_.Seal();
    obstructers_.Seal();
    for (int planet = 0; planet < kPlanetCount; ++planet) {
      for (std::size_t house = 0; house < kSmallNumbers.size(); ++house) {
        // A planet of unknown sign has no house.
        recipients_.Add(R"({"Recipient":")", kPlanetNames[planet], R"(","House":)",
                        house == 0 ? "null" : kSmallNumbers[house], R"(,"Argala":[)");
      }
    }
    recipients_.Seal();
    for (int house = 1; house <= kSignCount; ++house) {
      for (int sign = 0; sign < kSignCount; ++sign) {
        houses_.Add(R"({"House":)", kSmallNumbers[house], R"(,"Sign":)", kSmallNumbers[sign],
                    R"(,"Argala":[)");
      }
    }
    houses_.Seal();
  }

  // A planet's summary up to its entries: {"Recipient":"Sun","House":5,"Argala":[
  std::string_view Recipient(int planet, std::optional<int> house) const {
    return recipients_[static_cast<std::size_t>(planet) * kSmallNumbers.size() +
                       static_cast<std::size_t>(house.value_or(0))];
  }
  // A house's summary up to its entries: {"House":1,"Sign":0,"Argala":[
  std::string_view House(int house, int sign) const {
    return houses_[static_cast<std::size_t>((house - 1) * kSignCount + sign)];
  }

  void Write(const SummaryEntry& entry, JsonText& json) const {
    json.RawValue(
        starts_[entry.position * kKindCount + static_cast<std::size_t>(entry.kind)],
        casters_[entry.casters],
        obstructers_[entry.obstructers * kVerdictCount + static_cast<std::size_t>(entry.verdict)]);
  }

 private:
  // Writes the names of a set of planets, quoted, over `names`.
  static void WriteNamesOf(unsigned set, std::string& names) {
    names.clear();
    ForEachPlanetIn(static_cast<PlanetSet>(set), [&](PlanetIndex planet) {
      names.append(names.empty() ? "\"" : ",\"").append(kPlanetNames[planet]).append("\"");
    });
  }

  TextTable starts_;       // by position and kind
  TextTable casters_;      // by the set's bits
  TextTable obstructers_;  // by the set's bits and the verdict
  TextTable recipients_;   // by planet, then house (0 for none)
  TextTable houses_;       // by house, then sign
};

const SummaryPieces& Pieces() {
  static const SummaryPieces pieces;
  return pieces;
}

// Writes the house summaries' entries, each once: a planet counting forward receives what the
// house of its sign receives, so its entries are copied from where that house's were written,
// whether for the house or for another planet.
class HouseEntriesJson {
 public:
  HouseEntriesJson(const ChartResult& chart, JsonText& json) : chart_(chart), json_(json) {}

  // The comparison, not the planet's direction, decides: equal entries make equal text.
  void Planet(PlanetIndex planet) {
    const RecipientSummary& summary = chart_.summary.planets[planet];
    const int house = HouseOfPlanetSummary(chart_.signs, planet);
    if (summary == chart_.summary.houses[house - 1]) {
      House(house);
    } else {
      WriteEntries(summary);
    }
  }

  void House(int house) {
    Stretch& written = written_[house - 1];
    if (written.end != 0) {
      json_.RepeatClosed(written.begin, written.end);
      return;
    }
    written.begin = json_.Mark();
    WriteEntries(chart_.summary.houses[house - 1]);
    written.end = json_.Mark();
  }

 private:
  struct Stretch {
    std::size_t begin = 0;
    std::size_t end = 0;  // 0 until written
  };

  void WriteEntries(const RecipientSummary& recipient) {
    for (const SummaryEntry& entry : recipient.Entries()) pieces_.Write(entry, json_);
    json_.CloseWith("]}");
  }

  const ChartResult& chart_;
  JsonText& json_;
  const SummaryPieces& pieces_ = Pieces();
  std::array<Stretch, kSignCount> written_{};
};

void PlanetsJson(const ChartResult& chart, HouseEntriesJson& entries, JsonText& json) {
  const SummaryPieces& pieces = Pieces();
  json.RawOpen(R"("Planets":[)");
  for (int p = 0; p < kPlanetCount; ++p) {
    json.RawOpen(pieces.Recipient(p, chart.argala.houses[p]));
    entries.Planet(static_cast<PlanetIndex>(p));
  }
  json.CloseWith("]");
}

void HousesJson(const ChartResult& chart, HouseEntriesJson& entries, JsonText& json) {
  const SummaryPieces& pieces = Pieces();
  json.RawOpen(R"("Houses":[)");
  for (int house = 1; house <= kSignCount; ++house) {
    json.RawOpen(pieces.House(house, HouseSign(chart.signs, house)));
    entries.House(house);
  }
  json.CloseWith("]");
}

}  // namespace

void ArgalaSummaryJson(const ChartResult& chart, JsonText& json) {
  HouseEntriesJson entries(chart, json);
  json.BeginObject();
  PlanetsJson(chart, entries, json);
  HousesJson(chart, entries, json);
  json.EndObject();
}

}  // namespace tarvel::cli
