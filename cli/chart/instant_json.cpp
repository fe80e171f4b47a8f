#include "cli/chart/instant_json.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "base/zone_choice.h"

namespace tarvel::cli {
namespace {

// Writes a number with zeros in front up to `width` digits, as %0*d writes one not negative;
// every figure of a computed instant is (the skies compute years 1800 to 2399).
char* Padded(char* to, int value, int width) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  for (auto count = end - digits; count < width; ++count) *to++ = '0';
  return std::copy(static_cast<const char*>(digits), end, to);
}

// 1982-03-13T15:03:00Z
std::string UniversalText(const BirthInstant& instant) {
  const CivilTime ut = UniversalCivilTime(instant);
  char text[64];
  char* to = Padded(text, ut.year, 4);
  const std::pair<char, int> rest[] = {
      {'-', ut.month}, {'-', ut.day}, {'T', ut.hour}, {':', ut.minute}, {':', ut.second}};
  for (const auto& [separator, value] : rest) {
    *to++ = separator;
    to = Padded(to, value, 2);
  }
  *to++ = 'Z';
  return std::string(text, to);
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
