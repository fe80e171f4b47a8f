#include "cli/chart/argala_summary_json.h"

#include <array>

#include "document/summary_text.h"

namespace tarvel::cli {
namespace {

// Each planet's name in quotes, with the comma that goes before every name but the first.
struct QuotedName {
  std::array<char, 16> text{};
  std::size_t size = 0;
  std::string_view First() const { return {text.data() + 1, size - 1}; }
  std::string_view Later() const { return {text.data(), size}; }
};

constexpr std::array<QuotedName, kPlanetCount> kQuotedNames = [] {
  std::array<QuotedName, kPlanetCount> names{};
  for (int p = 0; p < kPlanetCount; ++p) {
    QuotedName& name = names[p];
    name.text[name.size++] = ',';
    name.text[name.size++] = '"';
    for (const char c : kPlanetNames[p]) name.text[name.size++] = c;
    name.text[name.size++] = '"';
  }
  return names;
}();

constexpr std::array<std::string_view, 13> kSmallNumbers = {"0", "1", "2", "3",  "4",  "5", "6",
                                                            "7", "8", "9", "10", "11", "12"};

void Names(PlanetSet planets, JsonText& json) {
  bool first = true;
  ForEachPlanetIn(planets, [&](PlanetIndex planet) {
    json.PlainPiece(first ? kQuotedNames[planet].First() : kQuotedNames[planet].Later());
    first = false;
  });
}

// {"Position":2,"Kind":"Primary","Casters":["Moon"],"Obstructers":[],"Verdict":"Unobstructed"}
void EntryJson(const SummaryEntry& entry, JsonText& json) {
  json.RawValue(R"({"Position":)");
  json.PlainPiece(kSmallNumbers[entry.position]);
  json.PlainPiece(R"(,"Kind":")");
  json.PlainPiece(SummaryKindName(entry.kind));
  json.PlainPiece(R"(","Casters":[)");
  Names(entry.casters, json);
  json.PlainPiece(R"(],"Obstructers":[)");
  Names(entry.obstructers, json);
  json.PlainPiece(R"(],"Verdict":")");
  json.PlainPiece(SummaryVerdictName(entry.verdict));
  json.PlainPiece(R"("})");
}

void EntriesJson(const RecipientSummary& recipient, JsonText& json) {
  json.Key("Argala");
  json.BeginArray();
  for (const SummaryEntry& entry : recipient.Entries()) EntryJson(entry, json);
  json.EndArray();
}

void PlanetsJson(const ChartResult& chart, JsonText& json) {
  json.Key("Planets");
  json.BeginArray();
  for (int p = 0; p < kPlanetCount; ++p) {
    json.RawValue(R"({"Recipient":)");
    json.PlainPiece(kQuotedNames[p].First());
    json.PlainPiece(R"(,"House":)");
    // A planet of unknown sign has no house.
    const std::optional<int> house = chart.argala.houses[p];
    json.PlainPiece(house ? kSmallNumbers[*house] : "null");
    EntriesJson(chart.summary.planets[p], json);
    json.EndObject();
  }
  json.EndArray();
}

void HousesJson(const ChartResult& chart, JsonText& json) {
  json.Key("Houses");
  json.BeginArray();
  for (int house = 1; house <= kSignCount; ++house) {
    json.RawValue(R"({"House":)");
    json.PlainPiece(kSmallNumbers[house]);
    json.PlainPiece(R"(,"Sign":)");
    json.PlainPiece(kSmallNumbers[HouseSign(chart.signs, house)]);
    EntriesJson(chart.summary.houses[house - 1], json);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void ArgalaSummaryJson(const ChartResult& chart, JsonText& json) {
  json.BeginObject();
  PlanetsJson(chart, json);
  HousesJson(chart, json);
  json.EndObject();
}

}  // namespace tarvel::cli
