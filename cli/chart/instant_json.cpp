#include "cli/chart/instant_json.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>

#include "base/zone_choice.h"

namespace tarvel::cli {

void UniversalTimeJson(std::int64_t universalSeconds, JsonWriter& json) {
  const CivilTime ut = UniversalCivilTime(universalSeconds);
  // Formatted on the stack and appended whole: through a back inserter fmt adds each
  // character apart, a third more instructions for a text the periods write hundreds of.
  std::array<char, 32> text;
  const char* end = fmt::format_to(text.data(), FMT_COMPILE("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}Z"),
                                   ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);
  json.Text({text.data(), end});
}

void InstantJson(const ChartState& state, JsonWriter& json, std::string_view atlasZoneId) {
  json.BeginObject();
  json.Key("Universal");
  UniversalTimeJson(state.Chart.instant.universalSeconds, json);
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
