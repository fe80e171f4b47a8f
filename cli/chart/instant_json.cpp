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

// Room for WriteUniversal's text and its closing quote: six whole numbers of at most eleven
// characters each, with their separators.
constexpr std::size_t kUniversalMaxBytes = 6 * 12 + 2;

// 1982-03-13T15:03:00Z, at `to`; returns its end.
char* WriteUniversal(char* to, const BirthInstant& instant) {
  const CivilTime ut = UniversalCivilTime(instant);
  to = Padded(to, ut.year, 4);
  const std::pair<char, int> rest[] = {
      {'-', ut.month}, {'-', ut.day}, {'T', ut.hour}, {':', ut.minute}, {':', ut.second}};
  for (const auto& [separator, value] : rest) {
    *to++ = separator;
    to = Padded(to, value, 2);
  }
  *to++ = 'Z';
  return to;
}

}  // namespace

// Written in pieces of fixed shape: a line of a batch writes this thousands of times, and the
// date and the zone's name need no string of their own.
void InstantJson(const ChartState& state, JsonText& json, std::string_view atlasZoneId) {
  json.RawOpen(R"({"Universal":")");
  json.PlainWritten(kUniversalMaxBytes, [&](char* to) {
    to = WriteUniversal(to, state.Chart.instant);
    *to++ = '"';
    return to;
  });
  json.PlainPieceAndNumber(R"(,"OffsetSeconds":)", state.Chart.instant.offsetSeconds);
  json.PlainPiece(R"(,"Zone":)");
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
