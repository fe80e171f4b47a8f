#include "base/position_text.h"

#include <cmath>
#include <string_view>

#include <fmt/compile.h>
#include <fmt/format.h>

#include "base/signs.h"

namespace tarvel {

namespace {

// A longitude split as its position text shows it, each part truncated.
template <typename Number>
struct ArcParts {
  Number degrees;  // within the sign
  Number minutes;
  Number seconds;
  std::string_view abbrev;  // empty past the zodiac
};

// The sign's abbreviation; empty from sign 12 on, which lies past the end of the table.
std::string_view AbbrevOf(double sign) {
  if (!(sign < kSignCount)) return "";
  return SignAbbrev(static_cast<int>(sign));
}

// Calls `write` with the parts of a longitude. For a finite one they are below 60 and go as
// integers, which fmt writes far more cheaply than whole doubles; a longitude that is not a
// number or infinite gives parts that are not numbers either, written as the doubles they are.
template <typename Write>
std::string WithParts(double longitudeDeg, Write write) {
  const double x = std::fabs(longitudeDeg);
  const double deg = std::floor(x);
  const double minutes = 60 * (x - deg);
  const double wholeMinutes = std::floor(minutes);
  // The remainder by 30 is exact, the same as taking 30 away while deg reaches 30.
  const ArcParts<double> parts{std::fmod(deg, 30.0), wholeMinutes,
                               std::floor(60 * (minutes - wholeMinutes)),
                               AbbrevOf(std::floor(deg / 30))};
  if (!std::isfinite(x)) return write(parts);
  return write(ArcParts<int>{static_cast<int>(parts.degrees), static_cast<int>(parts.minutes),
                             static_cast<int>(parts.seconds), parts.abbrev});
}

}  // namespace

std::optional<int> SignOfLongitude(double longitudeDeg) {
  // Below 360 the whole degrees fit an int, and counting them in integers spares two calls
  // to floor for every body of every chart.
  const double magnitude = std::fabs(longitudeDeg);
  if (!(magnitude < 360)) return std::nullopt;
  return static_cast<int>(magnitude) / 30;
}

std::string FormatPosition(double longitudeDeg) {
  return WithParts(longitudeDeg, [](const auto& parts) {
    return fmt::format(FMT_COMPILE("{}\xC2\xB0 {}' {}\" {}"), parts.degrees, parts.minutes,
                       parts.seconds, parts.abbrev);
  });
}

std::string ShortPosition(double longitudeDeg) {
  return WithParts(longitudeDeg, [](const auto& parts) {
    return fmt::format(FMT_COMPILE("{:02} {} {:02}"), parts.degrees, parts.abbrev, parts.minutes);
  });
}

std::string DegreesInSign(double longitudeDeg) {
  return WithParts(longitudeDeg, [](const auto& parts) {
    return fmt::format(FMT_COMPILE("{:02}\xC2\xB0{:02}'"), parts.degrees, parts.minutes);
  });
}

}  // namespace tarvel
