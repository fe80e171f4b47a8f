#include "cli/chart/chart_json.h"

#include <charconv>

#include "argala/argala_text.h"
#include "argala/chart_captions.h"
#include "base/position_text.h"
#include "cli/chart/instant_json.h"
#include "cli/chart/json_text.h"
#include "positions/sky_settings.h"

namespace tarvel::cli {
namespace {

void BirthDataJson(const BirthData& birth, JsonText& json) {
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
    json.Number(value);
  }
  json.Key("BirthCity");
  json.String(birth.BirthCity);
  json.Key("BirthState");
  json.String(birth.BirthState);
  json.Key("BirthCountry");
  json.String(birth.BirthCountry);
  json.EndObject();
}

// An array of one text per item, each written by `write(item, json)` between BeginString and
// EndString.
template <typename Items, typename Write>
void TextArray(std::string_view key, const Items& items, JsonText& json, Write write) {
  json.Key(key);
  json.BeginArray();
  for (const auto& item : items) {
    json.BeginString();
    write(item, json);
    json.EndString();
  }
  json.EndArray();
}

// Numbers are promised with 17 significant digits, more than the shortest text that reads
// back to the same double; to_chars with a precision writes what printf's %.17g writes.
void SeventeenDigits(std::string_view key, double value, JsonText& json) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
  json.Key(key);
  json.RawNumber(std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
}

constexpr std::array<int, kPlanetCount> kPlanetIndices = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<int, kSignCount> kSignNumbers = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

void PlanetArrays(const ChartResult& chart, JsonText& json) {
  TextArray("PlanetNames", kPlanetIndices, json,
            [](int p, JsonText& out) { out.PlainPiece(kPlanetNames[p]); });
  TextArray("GrahaNames", kPlanetIndices, json,
            [](int p, JsonText& out) { out.PlainPiece(kGrahaNames[p]); });
  TextArray("PlanetSigns", chart.positions.grahaDeg, json, [](double longitudeDeg, JsonText& out) {
    out.EscapedPiece(ShortPosition(longitudeDeg));
  });
  TextArray("PlanetHouses", chart.argala.houses, json,
            [](std::optional<int> house, JsonText& out) { out.PlainPiece(HouseText(house)); });
}

void ArgalaArrays(const ChartResult& chart, JsonText& json) {
  const auto entry = [](const ArgalaEntry& e, JsonText& out) {
    for (const std::string_view piece : PiecesOfEntry(e)) out.PlainPiece(piece);
  };
  TextArray("ArgalaList", chart.argala.argala, json, entry);
  TextArray("VirodhargalaList", chart.argala.virodhargala, json, entry);
  TextArray("SignContents", kSignNumbers, json,
            [&](int sign, JsonText& out) { out.PlainPiece(SignBoxText(chart.signs, sign)); });
}

// The reading's runs joined are its plain text; only its line breaks need escaping, always
// the same way.
void ReadingJson(const ChartResult& chart, JsonText& json) {
  static_assert(kReadingLineBreak == "\r\n");
  json.Key("Reading");
  json.BeginString();
  for (const ReadingRun& run : chart.reading) {
    ForEachPieceOfRun(run, chart.argala, [&](std::string_view piece) {
      json.PlainPiece(piece == kReadingLineBreak ? "\\r\\n" : piece);
    });
  }
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

void SkyJson(const ChartResult& chart, JsonText& json) {
  const bool classic = chart.sky.kind == SkyKind::Classic;
  json.Key("Sky");
  json.BeginObject();
  json.Key("Name");
  json.String(SkyCommandName(chart.sky.kind));
  json.Key("Ephemeris");
  json.String(EphemerisName(chart.positions.ephemeris));
  json.Key("Ayanamsa");
  json.String(classic ? "Classic" : AyanamsaDisplayName(chart.sky.ayanamsa));
  SeventeenDigits("AyanamsaDegrees", -chart.positions.chartCorrection, json);
  json.Key("Node");
  json.String(NodeName(classic ? NodeKind::Mean : chart.sky.node));
  json.EndObject();
}

void LongitudesJson(const SkyPositions& positions, JsonText& json) {
  json.Key("Longitudes");
  json.BeginObject();
  SeventeenDigits("Ascendant", positions.ascendantDeg, json);
  for (int p = 0; p < kPlanetCount; ++p)
    SeventeenDigits(kPlanetNames[p], positions.grahaDeg[p], json);
  json.EndObject();
}

void PlaceJson(const PlaceUsed& place, JsonText& json) {
  json.Key("Place");
  json.BeginObject();
  json.Key("Name");
  json.String(place.place);
  json.Key("ZoneId");
  json.String(place.zoneId);
  json.Key("ZoneNote");
  json.String(place.zoneNote);
  json.EndObject();
}

}  // namespace

void AppendChartJson(const ChartState& state, std::string& out,
                     const std::optional<PlaceUsed>& place) {
  const ChartResult& chart = state.Chart;
  JsonText json(out);
  json.BeginObject();
  json.Key("BirthData");
  BirthDataJson(state.BirthData, json);
  json.Key("ZoneRow");
  if (state.Zone.kind == ZoneKind::Row) {
    json.Number(state.Zone.row);
  } else {
    json.Null();
  }
  json.Key("AscendantPosition");
  json.String(FormatPosition(chart.positions.ascendantDeg));
  json.Key("MoonPosition");
  json.String(FormatPosition(chart.positions.grahaDeg[Moon]));
  SeventeenDigits("ChartCorrection", chart.positions.chartCorrection, json);
  PlanetArrays(chart, json);
  ArgalaArrays(chart, json);
  ReadingJson(chart, json);
  // Keys added since the first release come last, so that every earlier byte stays put.
  SkyJson(chart, json);
  LongitudesJson(chart.positions, json);
  if (place) PlaceJson(*place, json);
  InstantJson(state, json);
  json.EndObject();
}

std::string ChartJson(const ChartState& state, const std::optional<PlaceUsed>& place) {
  std::string text;
  AppendChartJson(state, text, place);
  return text;
}

}  // namespace tarvel::cli
