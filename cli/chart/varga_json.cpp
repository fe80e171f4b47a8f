#include "cli/chart/varga_json.h"

namespace tarvel::cli {
namespace {

// A sign's number, or null where the longitude names none.
void SignNumber(std::string_view key, std::optional<int> sign, JsonWriter& json) {
  json.Key(key);
  json.IntegerOrNull(sign);
}

}  // namespace

void VargaJson(const ChartResult& chart, JsonWriter& json) {
  const VargaRule& rule = RuleOf(*chart.varga);
  json.BeginObject();
  json.Key("Factor");
  json.Integer(rule.factor);
  json.Key("Name");
  json.String(rule.name);
  json.Key("Signs");
  json.BeginObject();
  SignNumber("Ascendant", chart.signs.ascendant, json);
  for (int p = 0; p < kPlanetCount; ++p) SignNumber(kPlanetNames[p], chart.signs.grahas[p], json);
  json.EndObject();
  json.EndObject();
}

}  // namespace tarvel::cli
