#include "ephemeris/position_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "ephemeris/chart_state.h"

namespace tarvel {

namespace {

// The degree sign U+00B0 in UTF-8, then a space.
constexpr std::string_view kDegreeSign = "\xC2\xB0 ";
constexpr std::size_t kAbbrevLength = 3;
// "29° 59' 59\" Pis", sixteen bytes with the two of the degree sign.
constexpr std::size_t kLongestChartText = 16;

// Below 2^53 every whole double converts to an integer exactly.
constexpr double kExactWholeLimit = 9007199254740992.0;

// Writes a whole-valued double as a plain decimal integer. The values a chart writes are
// small and take the integer conversion, which gives the same digits far more cheaply; any
// other value (negative zero, huge, not a number) is written as the double it is.
void AppendWhole(std::string& text, double wholeValue) {
  char digits[32];
  char* end = nullptr;
  if (wholeValue >= 0 && wholeValue < kExactWholeLimit && !std::signbit(wholeValue)) {
    const auto whole = static_cast<std::uint64_t>(wholeValue);
    end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
  } else {
    end =
        std::to_chars(digits, digits + sizeof digits, wholeValue, std::chars_format::fixed, 0).ptr;
  }
  text.append(digits, end);
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
  // Room for the longest text a longitude in 0-360 gives, so it is allocated once.
  text.reserve(kLongestChartText);
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
