#include "cli/chart_json.h"

#include <charconv>
#include <ranges>
#include <span>

#include "cli/json_text.h"

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

void StringArray(std::string_view key, std::span<const std::string> texts, JsonText& json) {
  json.Key(key);
  json.BeginArray();
  for (const std::string& text : texts) json.String(text);
  json.EndArray();
}

// The chart correction is promised with 17 significant digits, more than the shortest text
// that reads back to the same double; to_chars with a precision writes what printf's %.17g
// writes.
void SeventeenDigits(std::string_view key, double value, JsonText& json) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
  json.Key(key);
  json.RawNumber(std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
}

}  // namespace

void AppendChartJson(const ChartState& state, int zoneRow, const Reading& reading,
                     std::string& out) {
  JsonText json(out);
  json.BeginObject();
  json.Key("BirthData");
  BirthDataJson(state.BirthData, json);
  json.Key("ZoneRow");
  json.Number(zoneRow);
  json.Key("AscendantPosition");
  json.String(state.AscendantPosition);
  json.Key("MoonPosition");
  json.String(state.MoonPosition);
  SeventeenDigits("ChartCorrection", state.ChartCorrection, json);
  StringArray("PlanetNames", std::span(state.PlanetNames).first(kPlanetCount), json);
  StringArray("GrahaNames", std::span(state.GrahaNames).first(kPlanetCount), json);
  StringArray("PlanetSigns", std::span(state.PlanetSigns).first(kPlanetCount), json);
  StringArray("PlanetHouses", state.PlanetHouses, json);
  StringArray("ArgalaList", state.ArgalaList, json);
  StringArray("VirodhargalaList", state.VirodhargalaList, json);
  StringArray("SignContents", state.SignContents, json);
  // The reading's runs joined are its plain text.
  json.Key("Reading");
  json.JoinedString(reading | std::views::transform(&ReadingRun::text));
  json.EndObject();
}

std::string ChartJson(const ChartState& state, int zoneRow, const Reading& reading) {
  std::string text;
  AppendChartJson(state, zoneRow, reading, text);
  return text;
}

}  // namespace tarvel::cli
