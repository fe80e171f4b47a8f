#include "cli/chart/chart_json.h"

#include <algorithm>
#include <charconv>

#include "base/position_text.h"
#include "base/text.h"
#include "cli/chart/argala_summary_json.h"
#include "cli/chart/chart_json_texts.h"
#include "cli/chart/instant_json.h"
#include "cli/chart/json_text.h"
#include "cli/chart/quoted_input.h"
#include "cli/chart/seventeen_digits.h"
#include "cli/chart/varga_json.h"
#include "document/argala_text.h"
#include "document/reading_lines.h"
#include "positions/sky_settings.h"

namespace tarvel::cli {
namespace {

const ChartResult& Chart(const ChartJsonSource& source) {
  return source.state.Chart;
}

void BirthDataJson(const BirthData& birth, JsonText& json) {
  json.RawOpen(R"({"BirthName":)");
  json.String(birth.BirthName);
  // Each number follows a member, so its key is written with the comma, in one copy.
  const std::pair<std::string_view, std::int16_t> numbers[] = {
      {R"(,"BirthMonth":)", birth.BirthMonth},   {R"(,"BirthDay":)", birth.BirthDay},
      {R"(,"BirthYear":)", birth.BirthYear},     {R"(,"BirthHour":)", birth.BirthHour},
      {R"(,"BirthMinute":)", birth.BirthMinute}, {R"(,"ZoneHours":)", birth.ZoneHours},
      {R"(,"ZoneMinutes":)", birth.ZoneMinutes}, {R"(,"LonDeg":)", birth.LonDeg},
      {R"(,"LonMin":)", birth.LonMin},           {R"(,"LatDeg":)", birth.LatDeg},
      {R"(,"LatMin":)", birth.LatMin},           {R"(,"IsEast":)", birth.IsEast},
      {R"(,"IsSouth":)", birth.IsSouth},         {R"(,"IsDST":)", birth.IsDST}};
  for (const auto& [key, value] : numbers) json.PlainPieceAndNumber(key, value);
  // The names that follow need escaping; their keys are one copy each.
  const std::pair<std::string_view, const std::string&> names[] = {
      {R"("BirthCity":)", birth.BirthCity},
      {R"("BirthState":)", birth.BirthState},
      {R"("BirthCountry":)", birth.BirthCountry}};
  for (const auto& [key, name] : names) {
    json.RawOpen(key);
    json.String(name);
  }
  json.EndObject();
}

// Numbers are promised with 17 significant digits, more than the shortest text that reads
// back to the same double. Written in place, continuing a value begun with RawValue.
void SeventeenDigits(double value, JsonText& json) {
  json.PlainWritten(kSeventeenDigitsMaxBytes,
                    [value](char* to) { return WriteSeventeenDigits(value, to); });
}

// A longitude's position text, which holds a double quote to escape.
void PositionJson(double longitudeDeg, JsonText& json) {
  char text[kPositionMaxBytes];
  json.String(std::string_view(text, WritePosition(text, longitudeDeg)));
}

// A list of names as a JSON array, the same for every chart: made once, copied whole.
std::string NamesJson(const std::array<std::string_view, kPlanetCount>& names) {
  std::string text;
  {
    JsonText json(text);  // hands its text over when it goes
    json.BeginArray();
    for (const std::string_view name : names) {
      json.BeginString();
      json.PlainPiece(name);
      json.EndString();
    }
    json.EndArray();
  }
  return text;
}

// One copy a sign box.
void SignContentsJson(const ChartJsonSource& source, JsonText& json) {
  const ChartJsonTexts& texts = ChartJsonTexts::Get();
  const ChartSigns& signs = Chart(source).signs;
  const SignOccupants occupants = OccupantsBySign(signs);
  json.BeginArray();
  for (int sign = 0; sign < kSignCount; ++sign)
    json.RawValue(
        texts.SignBox(signs.ascendant == sign, occupants[static_cast<std::size_t>(sign)]));
  json.EndArray();
}

void PlanetHousesJson(const ChartJsonSource& source, JsonText& json) {
  const ChartJsonTexts& texts = ChartJsonTexts::Get();
  json.BeginArray();
  for (const std::optional<int> house : Chart(source).argala.houses)
    json.RawValue(texts.House(house));
  json.EndArray();
}

// The tz zone whose offset the atlas took for the birth; empty where the zone was given.
std::string_view AtlasZoneId(const ChartJsonSource& source) {
  if (!source.place || source.place->zoneNote.empty()) return {};
  return source.place->zoneId;
}

// A list's entry is two copies.
void EntriesJson(const std::vector<ArgalaEntry>& entries, JsonText& json) {
  const ChartJsonTexts& texts = ChartJsonTexts::Get();
  json.BeginArray();
  for (const ArgalaEntry& entry : entries)
    json.RawValue(texts.EntryCaster(entry), texts.EntryRest(entry));
  json.EndArray();
}

// The reading's lines, each ended by CR LF as a saved text would have them; the lines' texts
// need no escaping.
void ReadingJson(const ChartJsonSource& source, JsonText& json) {
  const ChartResult& chart = Chart(source);
  json.BeginString();
  for (const ReadingRun& run : chart.reading)
    json.PlainPieces(LineOfRun(run, chart.argala), "\\r\\n");
  json.EndString();
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

// The sky's names are the program's own and need no escaping: the object is a few copies.
void SkyJson(const ChartJsonSource& source, JsonText& json) {
  const ChartResult& chart = Chart(source);
  const SkyNames names = NamesOfSky(chart);
  json.RawValue(R"({"Name":")", names.sky, R"(","Ephemeris":")",
                EphemerisName(chart.positions.ephemeris), R"(","Ayanamsa":")", names.ayanamsa,
                R"(","AyanamsaDegrees":)");
  SeventeenDigits(-chart.positions.chartCorrection, json);
  json.PlainPieces(R"(,"Node":")", names.node, R"("})");
}

void LongitudesJson(const ChartJsonSource& source, JsonText& json) {
  const ChartJsonTexts& texts = ChartJsonTexts::Get();
  const SkyPositions& positions = Chart(source).positions;
  json.RawValue(texts.AscendantKey());
  SeventeenDigits(positions.ascendantDeg, json);
  for (int p = 0; p < kPlanetCount; ++p) {
    json.PlainPiece(texts.PlanetKey(p));
    SeventeenDigits(positions.grahaDeg[p], json);
  }
  json.PlainPiece("}");
}

void PlaceJson(const ChartJsonSource& source, JsonText& json) {
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
void RetrogradeJson(const ChartJsonSource& source, JsonText& json) {
  const std::array<bool, kPlanetCount>& retrograde = Chart(source).positions.retrograde;
  json.BeginArray();
  for (int p = 0; p < kPlanetCount; ++p) {
    if (retrograde[p]) json.String(kPlanetNames[p]);
  }
  json.EndArray();
}

using Source = ChartJsonSource;

// Keys added since the first release come last, so that every earlier byte stays put.
constexpr ChartJsonKey kChartJsonKeys[] = {
    {R"("BirthData":)", 0,
     [](const Source& s, JsonText& j) { BirthDataJson(s.state.BirthData, j); }},
    {R"("ZoneRow":)", 0,
     [](const Source& s, JsonText& j) {
       if (s.state.Zone.kind == ZoneKind::Row) {
         j.Number(s.state.Zone.row);
       } else {
         j.Null();
       }
     }},
    {R"("AscendantPosition":)", 0,
     [](const Source& s, JsonText& j) { PositionJson(Chart(s).positions.ascendantDeg, j); }},
    {R"("MoonPosition":)", 0,
     [](const Source& s, JsonText& j) { PositionJson(Chart(s).positions.grahaDeg[Moon], j); }},
    {R"("ChartCorrection":)", 0,
     [](const Source& s, JsonText& j) {
       j.RawValue();
       SeventeenDigits(Chart(s).positions.chartCorrection, j);
     }},
    {R"("PlanetNames":)", 0,
     [](const Source&, JsonText& j) {
       static const std::string kText = NamesJson(kPlanetNames);
       j.RawValue(kText);
     }},
    {R"("GrahaNames":)", 0,
     [](const Source&, JsonText& j) {
       static const std::string kText = NamesJson(kGrahaNames);
       j.RawValue(kText);
     }},
    {R"("PlanetSigns":)", 0,
     [](const Source& s, JsonText& j) {
       j.BeginArray();
       for (const double longitudeDeg : Chart(s).positions.grahaDeg) {
         // The quotes go into the text, so that each element is one copy.
         char text[kShortPositionMaxBytes + 2];
         text[0] = '"';
         char* end = WriteShortPosition(text + 1, longitudeDeg);
         *end++ = '"';
         j.RawValue(std::string_view(text, end));
       }
       j.EndArray();
     }},
    {R"("PlanetHouses":)", 0, PlanetHousesJson},
    {R"("ArgalaList":)", 0,
     [](const Source& s, JsonText& j) { EntriesJson(Chart(s).argala.argala, j); }},
    {R"("VirodhargalaList":)", 0,
     [](const Source& s, JsonText& j) { EntriesJson(Chart(s).argala.virodhargala, j); }},
    {R"("SignContents":)", 0, SignContentsJson},
    {R"("Reading":)", kReadingPart, ReadingJson},
    {R"("Sky":)", 0, SkyJson},
    {R"("Longitudes":)", 0, LongitudesJson},
    {R"("Place":)", 0, PlaceJson, [](const Source& s) { return s.place.has_value(); }},
    {R"("Instant":)", 0,
     [](const Source& s, JsonText& j) { InstantJson(s.state, j, AtlasZoneId(s)); },
     [](const Source& s) { return Chart(s).error.empty(); }},
    {R"("ArgalaSummary":)", kSummaryPart,
     [](const Source& s, JsonText& j) { ArgalaSummaryJson(Chart(s), j); }},
    {R"("Varga":)", 0, [](const Source& s, JsonText& j) { VargaJson(Chart(s), j); },
     [](const Source& s) { return Chart(s).varga.has_value(); }},
    {R"("Retrograde":)", kMotionPart, RetrogradeJson,
     [](const Source& s) { return Chart(s).error.empty(); }},
};

std::string KnownKeys() {
  std::string names;
  for (const ChartJsonKey& key : kChartJsonKeys)
    names.append(names.empty() ? "" : ",").append(key.Name());
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
                                   [&](const ChartJsonKey& k) { return k.Name() == name; });
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

void AppendChartJson(const ChartJsonSource& source, const ChartJsonSelection& selection,
                     std::string& out) {
  JsonText json(out);
  json.BeginObject();
  for (const ChartJsonKey* key : selection.Keys()) {
    if (key->present != nullptr && !key->present(source)) continue;
    json.RawOpen(key->member);
    key->writeValue(source, json);
  }
  json.EndObject();
}

void AppendChartJson(const ChartState& state, std::string& out,
                     const std::optional<PlaceUsed>& place) {
  static const ChartJsonSelection kWholeChart;
  AppendChartJson({state, place}, kWholeChart, out);
}

std::string ChartJson(const ChartState& state, const std::optional<PlaceUsed>& place) {
  std::string text;
  AppendChartJson(state, text, place);
  return text;
}

}  // namespace tarvel::cli
