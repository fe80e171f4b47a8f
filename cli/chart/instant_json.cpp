#include "cli/chart/instant_json.h"

#include <cstdio>

#include "base/zone_choice.h"

namespace tarvel::cli {
namespace {

std::string UniversalText(const BirthInstant& instant) {
  const CivilTime ut = UniversalCivilTime(instant);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", ut.year, ut.month, ut.day,
                ut.hour, ut.minute, ut.second);
  return text;
}

}  // namespace

void InstantJson(const ChartState& state, JsonText& json, std::string_view atlasZoneId) {
  json.BeginObject();
  json.Key("Universal");
  json.String(UniversalText(state.Chart.instant));
  json.Key("OffsetSeconds");
  json.Number(state.Chart.instant.offsetSeconds);
  json.Key("Zone");
  const bool atlasOffset = state.Zone.kind == ZoneKind::Offset && !atlasZoneId.empty();
  json.String(atlasOffset ? std::string(atlasZoneId) : ZoneName(state.Zone));
  json.EndObject();
}

}  // namespace tarvel::cli
