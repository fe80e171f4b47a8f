#include "cli/chart/chart_json.h"

#include <algorithm>

#include "base/position_text.h"
#include "base/text.h"
#include "cli/chart/argala_summary_json.h"
#include "cli/chart/dasha_json.h"
#include "cli/chart/instant_json.h"
#include "cli/chart/quoted_input.h"
#include "cli/chart/varga_json.h"
#include "document/argala_text.h"
#include "document/chart_captions.h"
#include "document/reading_lines.h"
#include "positions/sky_settings.h"

namespace tarvel::cli {
namespace {

const ChartResult& Chart(const ChartJsonSource& source) {
  return source.state.Chart;
}

void BirthDataJson(const BirthData& birth, JsonWriter& json) {
  json.BeginObject();
  json.Key("BirthName");
  json.String(birth.BirthName);
  const std::pair<std::string_view, std::int16_t> numbers[] = {
      {"BirthMonth", birth.BirthMonth},   {"BirthDay", birth.BirthDay},
      {"BirthYear", birth.BirthYear},     {"BirthHour", birth.BirthHour},
      {"BirthMinute", birth.BirthMinute}, {"ZoneHours", birth.ZoneHours},
      {"ZoneMinutes", birth.ZoneMinutes}, {"LonDeg", birth.LonDeg},
      {"LonMin", birth.LonMin},           {"LatDeg", birth.LatDeg},
      {"LatMin", birth.LatMin},           {"IsEast", birth.IsEast},
      {"IsSouth", birth.IsSouth},         {"IsDST", birth.IsDST}};
  for (const auto& [key, value] : numbers) {
    json.Key(key);
    json.Integer(value);
  }
  const std::pair<std::string_view, const std::string&> names[] = {
      {"BirthCity", birth.BirthCity},
      {"BirthState", birth.BirthState},
      {"BirthCountry", birth.BirthCountry}};
  for (const auto& [key, name] : names) {
    json.Key(key);
    json.String(name);
  }
  json.EndObject();
}

void NamesJson(const std::array<std::string_view, kPlanetCount>& names, JsonWriter& json) {
  json.BeginArray();
  for (const std::string_view name : names) json.Text(name);
  json.EndArray();
}

void SignContentsJson(const ChartJsonSource& source, JsonWriter& json) {
  json.BeginArray();
  for (int sign = 0; sign < kSignCount; ++sign) json.Text(SignBoxText(Chart(source).signs, sign));
  json.EndArray();
}

void PlanetHousesJson(const ChartJsonSource& source, JsonWriter& json) {
  json.BeginArray();
  for (const std::optional<int> house : Chart(source).argala.houses) json.Text(HouseText(house));
  json.EndArray();
}

// The tz zone whose offset the atlas took for the birth; empty where the zone was given.
std::string_view AtlasZoneId(const ChartJsonSource& source) {
  if (!source.place || source.place->zoneNote.empty()) return {};
  return source.place->zoneId;
}

void EntriesJson(const std::vector<ArgalaEntry>& entries, JsonWriter& json) {
  json.BeginArray();
  for (const ArgalaEntry& entry : entries)
    json.TextFrom([&entry](std::string& out) { AppendEntryText(out, entry); });
  json.EndArray();
}

// The reading's lines, each ended by CR LF as a saved text would have them.
void ReadingJson(const ChartJsonSource& source, JsonWriter& json) {
  const ChartResult& chart = Chart(source);
  json.TextLines(chart.reading.size(), [&chart](std::string& out, std::size_t line) {
    AppendLineOfRun(out, chart.reading[line], chart.argala);
  });
}

std::string_view EphemerisName(SkyEphemeris ephemeris) {
  switch (ephemeris) {
    case SkyEphemeris::ClassicFormulas:
      return "classic formulas";
    case SkyEphemeris::SwissFiles:
      return "Swiss Ephemeris files";
    case SkyEphemeris::Moshier:
      break;
  }
  return "Moshier";
}

void SkyJson(const ChartJsonSource& source, JsonWriter& json) {
  const ChartResult& chart = Chart(source);
  const SkyNames names = NamesOfSky(chart);
  json.BeginObject();
  json.Key("Name");
  json.Text(names.sky);
  json.Key("Ephemeris");
  json.Text(EphemerisName(chart.positions.ephemeris));
  json.Key("Ayanamsa");
  json.Text(names.ayanamsa);
  json.Key("AyanamsaDegrees");
  json.Number(-chart.positions.chartCorrection);
  json.Key("Node");
  json.Text(names.node);
  json.EndObject();
}

void LongitudesJson(const ChartJsonSource& source, JsonWriter& json) {
  const SkyPositions& positions = Chart(source).positions;
  json.BeginObject();
  json.Key("Ascendant");
  json.Number(positions.ascendantDeg);
  for (int p = 0; p < kPlanetCount; ++p) {
    json.Key(kPlanetNames[p]);
    json.Number(positions.grahaDeg[p]);
  }
  json.EndObject();
}

void PlaceJson(const ChartJsonSource& source, JsonWriter& json) {
  const PlaceUsed& place = *source.place;
  json.BeginObject();
  json.Key("Name");
  json.String(place.place);
  json.Key("ZoneId");
  json.String(place.zoneId);
  json.Key("ZoneNote");
  json.String(place.zoneNote);
  json.EndObject();
}

// The planets moving backward, in planet order.
void RetrogradeJson(const ChartJsonSource& source, JsonWriter& json) {
  const std::array<bool, kPlanetCount>& retrograde = Chart(source).positions.retrograde;
  json.BeginArray();
  for (int p = 0; p < kPlanetCount; ++p) {
    if (retrograde[p]) json.Text(kPlanetNames[p]);
  }
  json.EndArray();
}

using Source = ChartJsonSource;

// Keys added since the first release come last, so that every earlier byte stays put.
constexpr ChartJsonKey kChartJsonKeys[] = {
    {"BirthData", 0, [](const Source& s, JsonWriter& j) { BirthDataJson(s.state.BirthData, j); }},
    {"ZoneRow", 0,
     [](const Source& s, JsonWriter& j) {
       const bool row = s.state.Zone.kind == ZoneKind::Row;
       j.IntegerOrNull(row ? std::optional(s.state.Zone.row) : std::nullopt);
     }},
    // A position text holds a double quote, which the writer escapes.
    {"AscendantPosition", 0,
     [](const Source& s, JsonWriter& j) {
       j.String(FormatPosition(Chart(s).positions.ascendantDeg));
     }},
    {"MoonPosition", 0,
     [](const Source& s, JsonWriter& j) {
       j.String(FormatPosition(Chart(s).positions.grahaDeg[Moon]));
     }},
    {"ChartCorrection", 0,
     [](const Source& s, JsonWriter& j) { j.Number(Chart(s).positions.chartCorrection); }},
    {"PlanetNames", 0, [](const Source&, JsonWriter& j) { NamesJson(kPlanetNames, j); }},
    {"GrahaNames", 0, [](const Source&, JsonWriter& j) { NamesJson(kGrahaNames, j); }},
    {"PlanetSigns", 0,
     [](const Source& s, JsonWriter& j) {
       j.BeginArray();
       for (const double longitudeDeg : Chart(s).positions.grahaDeg)
         j.Text(ShortPosition(longitudeDeg));
       j.EndArray();
     }},
    {"PlanetHouses", 0, PlanetHousesJson},
    {"ArgalaList", 0,
     [](const Source& s, JsonWriter& j) { EntriesJson(Chart(s).argala.argala, j); }},
    {"VirodhargalaList", 0,
     [](const Source& s, JsonWriter& j) { EntriesJson(Chart(s).argala.virodhargala, j); }},
    {"SignContents", 0, SignContentsJson},
    {"Reading", kReadingPart, ReadingJson},
    {"Sky", 0, SkyJson},
    {"Longitudes", 0, LongitudesJson},
    {"Place", 0, PlaceJson, [](const Source& s) { return s.place.has_value(); }},
    {"Instant", 0, [](const Source& s, JsonWriter& j) { InstantJson(s.state, j, AtlasZoneId(s)); },
     [](const Source& s) { return Chart(s).error.empty(); }},
    {"ArgalaSummary", kSummaryPart,
     [](const Source& s, JsonWriter& j) { ArgalaSummaryJson(Chart(s), j); }},
    {"Varga", 0, [](const Source& s, JsonWriter& j) { VargaJson(Chart(s), j); },
     [](const Source& s) { return Chart(s).varga.has_value(); }},
    {"Retrograde", kMotionPart, RetrogradeJson,
     [](const Source& s) { return Chart(s).error.empty(); }},
    {"Nakshatras", 0, [](const Source& s, JsonWriter& j) { NakshatrasJson(Chart(s), j); },
     [](const Source& s) { return Chart(s).error.empty(); }},
    {"Dasha", 0, [](const Source& s, JsonWriter& j) { DashaJson(Chart(s), *s.dasha, j); },
     [](const Source& s) { return s.dasha != nullptr && Chart(s).error.empty(); }},
};

std::string KnownKeys() {
  std::string names;
  for (const ChartJsonKey& key : kChartJsonKeys)
    names.append(names.empty() ? "" : ",").append(key.name);
  return names;
}

}  // namespace

SkyNames NamesOfSky(const ChartResult& chart) {
  // The classic formulas have one ayanamsa and one node of their own, whatever was chosen.
  const bool classic = chart.sky.kind == SkyKind::Classic;
  return {SkyCommandName(chart.sky.kind),
          classic ? "Classic" : AyanamsaDisplayName(chart.sky.ayanamsa),
          NodeName(classic ? NodeKind::Mean : chart.sky.node)};
}

ChartJsonSelection::ChartJsonSelection() {
  for (const ChartJsonKey& key : kChartJsonKeys) keys_.push_back(&key);
}

std::variant<ChartJsonSelection, std::string> ChartJsonSelection::Parse(std::string_view list) {
  ChartJsonSelection selection;
  selection.keys_.clear();
  for (std::string_view name : SplitAtCommas(list)) {
    const auto* key = std::find_if(std::begin(kChartJsonKeys), std::end(kChartJsonKeys),
                                   [&](const ChartJsonKey& k) { return k.name == name; });
    const auto& keys = selection.keys_;
    if (key == std::end(kChartJsonKeys) || std::find(keys.begin(), keys.end(), key) != keys.end()) {
      return std::string("--fields: ") +
             (key == std::end(kChartJsonKeys) ? "unknown" : "repeated") + " key " +
             QuotedForMessage(name) + " (the keys: " + KnownKeys() + ")";
    }
    selection.keys_.push_back(key);
  }
  return selection;
}

ChartParts ChartJsonSelection::Needs() const {
  ChartParts parts{0};
  for (const ChartJsonKey* key : keys_) parts.bits |= key->needs;
  return parts;
}

bool ChartJsonSelection::Includes(std::string_view name) const {
  return std::any_of(keys_.begin(), keys_.end(),
                     [name](const ChartJsonKey* key) { return key->name == name; });
}

void AppendChartJson(const ChartJsonSource& source, const ChartJsonSelection& selection,
                     std::string& out) {
  JsonWriter json(out);
  json.BeginObject();
  for (const ChartJsonKey* key : selection.Keys()) {
    if (key->present != nullptr && !key->present(source)) continue;
    json.Key(key->name);
    key->writeValue(source, json);
  }
  json.EndObject();
}

void AppendChartJson(const ChartState& state, std::string& out,
                     const std::optional<PlaceUsed>& place, const DashaRequest* dasha) {
  static const ChartJsonSelection kWholeChart;
  AppendChartJson({state, place, dasha}, kWholeChart, out);
}

std::string ChartJson(const ChartState& state, const std::optional<PlaceUsed>& place,
                      const DashaRequest* dasha) {
  std::string text;
  AppendChartJson(state, text, place, dasha);
  return text;
}

}  // namespace tarvel::cli
