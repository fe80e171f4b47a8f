#include "ephemeris/position_text.h"

#include <charconv>
#include <cmath>

#include "ephemeris/chart_state.h"

namespace tarvel {

namespace {

// The degree sign U+00B0 in UTF-8, then a space.
constexpr std::string_view kDegreeSign = "\xC2\xB0 ";
constexpr std::size_t kAbbrevLength = 3;

// Writes a whole-valued double as a plain decimal integer, without a narrowing cast.
void AppendWhole(std::string& text, double wholeValue) {
  char digits[32];
  const auto result =
      std::to_chars(digits, digits + sizeof digits, wholeValue, std::chars_format::fixed, 0);
  text.append(digits, result.ptr);
}

// The sign's abbreviation; empty from sign 12 on, which lies past the end of the table.
std::string_view SignAbbrev(double sign) {
  if (!(sign < kSignCount)) return {};
  return kSignAbbrevs.substr(static_cast<std::size_t>(sign) * kAbbrevLength, kAbbrevLength);
}

}  // namespace

std::string FormatPosition(double longitudeDeg) {
  const double x = std::fabs(longitudeDeg);
  double deg = std::floor(x);
  const double minutes = 60 * (x - deg);
  const double wholeMinutes = std::floor(minutes);
  const double sign = std::floor(deg / 30);
  // The remainder by 30 is exact, the same as taking 30 away while deg reaches 30.
  deg = std::fmod(deg, 30.0);
  const double wholeSeconds = std::floor(60 * (minutes - wholeMinutes));

  std::string text;
  AppendWhole(text, deg);
  text += kDegreeSign;
  AppendWhole(text, wholeMinutes);
  text += "' ";
  AppendWhole(text, wholeSeconds);
  text += "\" ";
  text += SignAbbrev(sign);
  return text;
}

}  // namespace tarvel
