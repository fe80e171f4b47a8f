#include "cli/chart/instant_json.h"

#include <fmt/format.h>

#include "base/zone_choice.h"

namespace tarvel::cli {

void InstantJson(const ChartState& state, JsonWriter& json, std::string_view atlasZoneId) {
  const CivilTime ut = UniversalCivilTime(state.Chart.instant);
  json.BeginObject();
  json.Key("Universal");
  json.Text(fmt::format("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}Z", ut.year, ut.month, ut.day, ut.hour,
                        ut.minute, ut.second));
  json.Key("OffsetSeconds");
  json.Integer(state.Chart.instant.offsetSeconds);
  json.Key("Zone");
  const bool atlasOffset = state.Zone.kind == ZoneKind::Offset && !atlasZoneId.empty();
  if (atlasOffset) {
    json.String(atlasZoneId);
  } else if (state.Zone.kind == ZoneKind::Row) {
    json.String(ZoneRowName(state.Zone.row));
  } else {
    json.String(ZoneName(state.Zone));
  }
  json.EndObject();
}

}  // namespace tarvel::cli
