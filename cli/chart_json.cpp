#include "cli/chart_json.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "argala/reading.h"

namespace tarvel::cli {
namespace {

using Json = nlohmann::ordered_json;

// nlohmann writes the shortest text that reads back to the same double; the chart
// correction is promised with 17 significant digits, so it is written by hand through a
// placeholder that no real text can contain.
constexpr std::string_view kCorrectionPlaceholder = "\x01ChartCorrection\x01";

Json BirthDataJson(const BirthData& birth) {
  return Json{{"BirthName", birth.BirthName},   {"BirthMonth", birth.BirthMonth},
              {"BirthDay", birth.BirthDay},     {"BirthYear", birth.BirthYear},
              {"BirthHour", birth.BirthHour},   {"BirthMinute", birth.BirthMinute},
              {"ZoneHours", birth.ZoneHours},   {"ZoneMinutes", birth.ZoneMinutes},
              {"LonDeg", birth.LonDeg},         {"LonMin", birth.LonMin},
              {"LatDeg", birth.LatDeg},         {"LatMin", birth.LatMin},
              {"IsEast", birth.IsEast},         {"IsSouth", birth.IsSouth},
              {"IsDST", birth.IsDST},           {"BirthCity", birth.BirthCity},
              {"BirthState", birth.BirthState}, {"BirthCountry", birth.BirthCountry}};
}

template <typename Table>
Json FirstEntries(const Table& table, std::size_t count) {
  return Json(std::vector<std::string>(table.begin(), table.begin() + count));
}

std::string SeventeenDigits(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

}  // namespace

std::string ChartJson(const ChartState& state, int zoneRow, const Reading& reading) {
  const Json chart{
      {"BirthData", BirthDataJson(state.BirthData)},
      {"ZoneRow", zoneRow},
      {"AscendantPosition", state.AscendantPosition},
      {"MoonPosition", state.MoonPosition},
      {"ChartCorrection", kCorrectionPlaceholder},
      {"PlanetNames", FirstEntries(state.PlanetNames, kPlanetCount)},
      {"GrahaNames", FirstEntries(state.GrahaNames, kPlanetCount)},
      {"PlanetSigns", FirstEntries(state.PlanetSigns, kPlanetCount)},
      {"PlanetHouses", FirstEntries(state.PlanetHouses, kPlanetCount)},
      {"ArgalaList", state.ArgalaList},
      {"VirodhargalaList", state.VirodhargalaList},
      {"SignContents", FirstEntries(state.SignContents, kSignCount)},
      {"Reading", ReadingPlainText(reading)},
  };
  std::string text = chart.dump(-1, ' ', false, Json::error_handler_t::replace);
  const std::string placeholder = Json(kCorrectionPlaceholder).dump();
  text.replace(text.find(placeholder), placeholder.size(), SeventeenDigits(state.ChartCorrection));
  return text;
}

}  // namespace tarvel::cli
