#include "base/position_text.h"

#include <cmath>
#include <string_view>

#include <fmt/format.h>

#include "base/signs.h"

namespace tarvel {

namespace {

// A longitude split as its position text shows it, each part truncated. The parts stay doubles
// so that a longitude past any chart's (huge, infinite or not a number) is written as it is.
struct ArcParts {
  double degrees;  // within the sign
  double minutes;
  double seconds;
  double sign;  // 0 for Aries; 12 and more past the zodiac
};

ArcParts Split(double longitudeDeg) {
  const double x = std::fabs(longitudeDeg);
  const double deg = std::floor(x);
  const double minutes = 60 * (x - deg);
  const double wholeMinutes = std::floor(minutes);
  // The remainder by 30 is exact, the same as taking 30 away while deg reaches 30.
  return {std::fmod(deg, 30.0), wholeMinutes, std::floor(60 * (minutes - wholeMinutes)),
          std::floor(deg / 30)};
}

// The sign's abbreviation; empty from sign 12 on, which lies past the end of the table.
std::string_view AbbrevOf(double sign) {
  if (!(sign < kSignCount)) return {};
  return SignAbbrev(static_cast<int>(sign));
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
  const ArcParts parts = Split(longitudeDeg);
  return fmt::format("{:.0f}\xC2\xB0 {:.0f}' {:.0f}\" {}", parts.degrees, parts.minutes,
                     parts.seconds, AbbrevOf(parts.sign));
}

std::string ShortPosition(double longitudeDeg) {
  const ArcParts parts = Split(longitudeDeg);
  return fmt::format("{:02.0f} {} {:02.0f}", parts.degrees, AbbrevOf(parts.sign), parts.minutes);
}

std::string DegreesInSign(double longitudeDeg) {
  const ArcParts parts = Split(longitudeDeg);
  return fmt::format("{:02.0f}\xC2\xB0{:02.0f}'", parts.degrees, parts.minutes);
}

}  // namespace tarvel
