#include "base/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/digit_pairs.h"
#include "base/signs.h"

namespace tarvel {

namespace {

// The degree sign U+00B0 in UTF-8, then a space.
constexpr std::string_view kDegreeSign = "\xC2\xB0 ";
constexpr std::string_view kBareDegreeSign = kDegreeSign.substr(0, 2);
// Below 2^53 every whole double converts to an integer exactly.
constexpr double kExactWholeLimit = 9007199254740992.0;
// The longest whole number a double writes: 309 digits and a sign.
constexpr std::size_t kMaxWholeChars = 320;
static_assert(kShortPositionMaxBytes >= 2 * kMaxWholeChars + 2 + 3 + 2);
static_assert(kPositionMaxBytes >= 3 * kMaxWholeChars + 2 + 2 + 2 + 3);

// A longitude split as its position text shows it, each part truncated.
struct ArcParts {
  double degrees;  // within the sign
  double minutes;
  double seconds;
  double sign;  // 0 for Aries; 12 and more past the zodiac
};

// Below this the whole parts come from integer conversion: for a value not negative it
// truncates as floor does, and the sign and the degrees within it are exact in integers.
constexpr double kIntegerPartsLimit = 2147483647.0;

// The same parts in integers, for a magnitude `x` below kIntegerPartsLimit.
struct WholeArcParts {
  std::int32_t degrees;
  std::int32_t minutes;
  std::int32_t seconds;
  std::int32_t sign;
};

WholeArcParts SplitWhole(double x) {
  const auto wholeDeg = static_cast<std::int32_t>(x);
  const double minutes = 60 * (x - wholeDeg);
  const auto wholeMinutes = static_cast<std::int32_t>(minutes);
  return {wholeDeg % 30, wholeMinutes, static_cast<std::int32_t>(60 * (minutes - wholeMinutes)),
          wholeDeg / 30};
}

ArcParts Split(double longitudeDeg) {
  const double x = std::fabs(longitudeDeg);
  if (x < kIntegerPartsLimit) {
    const WholeArcParts parts = SplitWhole(x);
    return {static_cast<double>(parts.degrees), static_cast<double>(parts.minutes),
            static_cast<double>(parts.seconds), static_cast<double>(parts.sign)};
  }
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

// Two digits at least: a single digit gets a leading 0.
char* WriteTwoDigits(char* to, double wholeValue) {
  char* const start = to;
  to = WriteWhole(to, wholeValue);
  if (to - start > 1) return to;
  to[0] = start[0];
  start[0] = '0';
  return to + 1;
}

char* WriteText(char* to, std::string_view text) {
  return std::copy(text.begin(), text.end(), to);
}

// Below 360 degrees, every chart's longitude, the parts are counted in integers below 100 and
// written from digit pairs instead of through the general conversion.
constexpr double kChartLongitudeLimit = 360;

// A part below 100 without a leading zero.
char* WriteSmall(char* to, std::int32_t value) {
  if (value < 10) {
    *to = static_cast<char>('0' + value);
    return to + 1;
  }
  return WriteDigitPair(to, static_cast<unsigned>(value));
}

char* WriteSignAbbrev(char* to, std::int32_t sign) {
  std::memcpy(to, SignAbbrev(sign).data(), kSignAbbrevLength);
  return to + kSignAbbrevLength;
}

}  // namespace

std::optional<int> SignOfLongitude(double longitudeDeg) {
  // Below 360 the whole degrees fit an int, and counting them in integers spares two calls
  // to floor for every body of every chart.
  const double magnitude = std::fabs(longitudeDeg);
  if (!(magnitude < 360)) return std::nullopt;
  return static_cast<int>(magnitude) / 30;
}

char* WritePosition(char* to, double longitudeDeg) {
  if (const double x = std::fabs(longitudeDeg); x < kChartLongitudeLimit) {
    const WholeArcParts parts = SplitWhole(x);
    to = WriteText(WriteSmall(to, parts.degrees), kDegreeSign);
    to = WriteText(WriteSmall(to, parts.minutes), "' ");
    to = WriteText(WriteSmall(to, parts.seconds), "\" ");
    return WriteSignAbbrev(to, parts.sign);
  }
  const ArcParts parts = Split(longitudeDeg);
  to = WriteWhole(to, parts.degrees);
  to = WriteText(to, kDegreeSign);
  to = WriteWhole(to, parts.minutes);
  to = WriteText(to, "' ");
  to = WriteWhole(to, parts.seconds);
  to = WriteText(to, "\" ");
  return WriteText(to, AbbrevOf(parts.sign));
}

std::string FormatPosition(double longitudeDeg) {
  char text[kPositionMaxBytes];
  return std::string(text, WritePosition(text, longitudeDeg));
}

char* WriteShortPosition(char* to, double longitudeDeg) {
  if (const double x = std::fabs(longitudeDeg); x < kChartLongitudeLimit) {
    const WholeArcParts parts = SplitWhole(x);
    to = WriteDigitPair(to, static_cast<unsigned>(parts.degrees));
    *to++ = ' ';
    to = WriteSignAbbrev(to, parts.sign);
    *to++ = ' ';
    return WriteDigitPair(to, static_cast<unsigned>(parts.minutes));
  }
  const ArcParts parts = Split(longitudeDeg);
  to = WriteTwoDigits(to, parts.degrees);
  *to++ = ' ';
  to = WriteText(to, AbbrevOf(parts.sign));
  *to++ = ' ';
  return WriteTwoDigits(to, parts.minutes);
}

std::string ShortPosition(double longitudeDeg) {
  char text[kShortPositionMaxBytes];
  return std::string(text, WriteShortPosition(text, longitudeDeg));
}

std::string DegreesInSign(double longitudeDeg) {
  const ArcParts parts = Split(longitudeDeg);
  char text[2 * kMaxWholeChars + 8];
  char* to = WriteTwoDigits(text, parts.degrees);
  to = WriteText(to, kBareDegreeSign);
  to = WriteTwoDigits(to, parts.minutes);
  *to++ = '\'';
  return std::string(text, to);
}

}  // namespace tarvel
