#include "cli/chart/argala_summary_json.h"

#include "document/summary_text.h"

namespace tarvel::cli {
namespace {

void NamesJson(std::string_view key, PlanetSet planets, JsonText& json) {
  json.Key(key);
  json.BeginArray();
  ForEachPlanetIn(planets, [&](PlanetIndex planet) { json.String(kPlanetNames[planet]); });
  json.EndArray();
}

void EntriesJson(const RecipientSummary& recipient, JsonText& json) {
  json.Key("Argala");
  json.BeginArray();
  for (const SummaryEntry& entry : recipient.Entries()) {
    json.BeginObject();
    json.Key("Position");
    json.Number(entry.position);
    json.Key("Kind");
    json.String(SummaryKindName(entry.kind));
    NamesJson("Casters", entry.casters, json);
    NamesJson("Obstructers", entry.obstructers, json);
    json.Key("Verdict");
    json.String(SummaryVerdictName(entry.verdict));
    json.EndObject();
  }
  json.EndArray();
}

void PlanetsJson(const ChartResult& chart, JsonText& json) {
  json.Key("Planets");
  json.BeginArray();
  for (int p = 0; p < kPlanetCount; ++p) {
    json.BeginObject();
    json.Key("Recipient");
    json.String(kPlanetNames[p]);
    json.Key("House");
    // A planet of unknown sign has no house.
    if (const std::optional<int> house = chart.argala.houses[p]) {
      json.Number(*house);
    } else {
      json.RawNumber("null");
    }
    EntriesJson(chart.summary.planets[p], json);
    json.EndObject();
  }
  json.EndArray();
}

void HousesJson(const ChartResult& chart, JsonText& json) {
  json.Key("Houses");
  json.BeginArray();
  for (int house = 1; house <= kSignCount; ++house) {
    json.BeginObject();
    json.Key("House");
    json.Number(house);
    json.Key("Sign");
    json.Number(HouseSign(chart.signs, house));
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
