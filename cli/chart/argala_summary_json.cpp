#include "cli/chart/argala_summary_json.h"

#include "document/summary_text.h"

namespace tarvel::cli {
namespace {

// Names in planet order.
void NamesJson(PlanetSet planets, JsonWriter& json) {
  json.BeginArray();
  ForEachPlanetIn(planets, [&](PlanetIndex planet) { json.Text(kPlanetNames[planet]); });
  json.EndArray();
}

void EntryJson(const SummaryEntry& entry, JsonWriter& json) {
  json.BeginObject();
  json.Key("Position");
  json.Integer(entry.position);
  json.Key("Kind");
  json.Text(SummaryKindName(entry.kind));
  json.Key("Casters");
  NamesJson(entry.casters, json);
  json.Key("Obstructers");
  NamesJson(entry.obstructers, json);
  json.Key("Verdict");
  json.Text(SummaryVerdictName(entry.verdict));
  json.EndObject();
}

// The recipient's entries, then the end of the object its first keys began.
void EntriesJson(const RecipientSummary& recipient, JsonWriter& json) {
  json.Key("Argala");
  json.BeginArray();
  for (const SummaryEntry& entry : recipient.Entries()) EntryJson(entry, json);
  json.EndArray();
  json.EndObject();
}

void PlanetsJson(const ChartResult& chart, JsonWriter& json) {
  json.Key("Planets");
  json.BeginArray();
  for (int p = 0; p < kPlanetCount; ++p) {
    json.BeginObject();
    json.Key("Recipient");
    json.Text(kPlanetNames[p]);
    json.Key("House");
    // A planet of unknown sign has no house.
    json.IntegerOrNull(chart.argala.houses[p]);
    EntriesJson(chart.summary.planets[p], json);
  }
  json.EndArray();
}

void HousesJson(const ChartResult& chart, JsonWriter& json) {
  json.Key("Houses");
  json.BeginArray();
  for (int house = 1; house <= kSignCount; ++house) {
    json.BeginObject();
    json.Key("House");
    json.Integer(house);
    json.Key("Sign");
    json.Integer(HouseSign(chart.signs, house));
    EntriesJson(chart.summary.houses[house - 1], json);
  }
  json.EndArray();
}

}  // namespace

void ArgalaSummaryJson(const ChartResult& chart, JsonWriter& json) {
  json.BeginObject();
  PlanetsJson(chart, json);
  HousesJson(chart, json);
  json.EndObject();
}

}  // namespace tarvel::cli
