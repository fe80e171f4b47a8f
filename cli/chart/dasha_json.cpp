#include "cli/chart/dasha_json.h"

#include "cli/chart/instant_json.h"
#include "document/nakshatra_text.h"

namespace tarvel::cli {
namespace {

void NakshatraJson(const NakshatraEntry& entry, JsonWriter& json) {
  json.BeginObject();
  json.Key("Body");
  json.Text(entry.body);
  json.Key("Nakshatra");
  json.Text(entry.name);
  json.Key("Number");
  json.Integer(entry.number);
  json.Key("Pada");
  json.Integer(entry.pada);
  json.Key("Lord");
  json.Text(entry.lord);
  json.EndObject();
}

// The periods of a level from `first`, each followed by those dividing it where computed.
void PeriodsJson(const VimshottariDasha& dasha, std::size_t level, std::size_t first,
                 JsonWriter& json) {
  const auto periods = DashaLevel(dasha, level).subspan(first, kPlanetCount);
  json.BeginArray();
  for (std::size_t i = 0; i < periods.size(); ++i) {
    json.BeginObject();
    json.Key("Lord");
    json.Text(kPlanetNames[periods[i].lord]);
    json.Key("Start");
    UniversalTimeJson(periods[i].startSeconds, json);
    json.Key("End");
    UniversalTimeJson(periods[i].endSeconds, json);
    if (!SubPeriods(dasha, level, first + i).empty()) {
      json.Key("Periods");
      PeriodsJson(dasha, level + 1, (first + i) * kPlanetCount, json);
    }
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void NakshatrasJson(const ChartResult& chart, JsonWriter& json) {
  json.BeginArray();
  for (const NakshatraEntry& entry : NakshatraEntries(chart)) NakshatraJson(entry, json);
  json.EndArray();
}

void DashaJson(const ChartResult& chart, const DashaRequest& request, JsonWriter& json) {
  const VimshottariDasha dasha = DashaOfChart(chart, request.year, request.depth);
  json.BeginObject();
  json.Key("System");
  json.Text("Vimshottari");
  json.Key("YearDays");
  json.ShortestNumber(DashaYearDays(request.year));
  json.Key("BalanceDays");
  json.ShortestNumber(dasha.balance.days);
  json.Key("Periods");
  PeriodsJson(dasha, 0, 0, json);
  json.EndObject();
}

}  // namespace tarvel::cli
