#include "ephemeris/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "ephemeris/chart_state.h"

namespace tarvel {

namespace {

// The degree sign U+00B0 in UTF-8, then a space.
constexpr std::string_view kDegreeSign = "\xC2\xB0 ";
constexpr std::size_t kAbbrevLength = 3;
// Below 2^53 every whole double converts to an integer exactly.
constexpr double kExactWholeLimit = 9007199254740992.0;
// The longest whole number a double writes: 309 digits and a sign.
constexpr std::size_t kMaxWholeChars = 320;

// Writes a whole-valued double as a plain decimal integer at `to`; returns the end. The
// values a chart writes are small and take the integer conversion, which gives the same
// digits far more cheaply; any other value (negative zero, huge, not a number) is written as
// the double it is.
char* WriteWhole(char* to, double wholeValue) {
  if (wholeValue >= 0 && wholeValue < kExactWholeLimit && !std::signbit(wholeValue)) {
    return std::to_chars(to, to + kMaxWholeChars, static_cast<std::uint64_t>(wholeValue)).ptr;
  }
  return std::to_chars(to, to + kMaxWholeChars, wholeValue, std::chars_format::fixed, 0).ptr;
}

char* WriteText(char* to, std::string_view text) {
  return std::copy(text.begin(), text.end(), to);
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

  // The text is put together in place and copied into its string once.
  char text[3 * kMaxWholeChars + 16];
  char* to = WriteWhole(text, deg);
  to = WriteText(to, kDegreeSign);
  to = WriteWhole(to, wholeMinutes);
  to = WriteText(to, "' ");
  to = WriteWhole(to, wholeSeconds);
  to = WriteText(to, "\" ");
  to = WriteText(to, SignAbbrev(sign));
  return std::string(text, to);
}

}  // namespace tarvel
