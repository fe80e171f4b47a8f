#include "argala/signs.h"

#include "ephemeris/chart_state.h"

namespace tarvel {

namespace {

constexpr std::size_t kAbbrevLength = 3;
// Characters 4 to 6, counted from 1.
constexpr std::size_t kShortPositionSignStart = 3;

}  // namespace

std::optional<int> FindSign(std::string_view abbrev) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (SignAbbrev(sign) == abbrev) return sign;
  }
  return std::nullopt;
}

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view ShortPositionSign(std::string_view shortPosition) {
  if (shortPosition.size() <= kShortPositionSignStart) return {};
  return shortPosition.substr(kShortPositionSignStart, kAbbrevLength);
}

std::optional<int> AscendantSign(std::string_view ascendantPosition) {
  const std::string_view trimmed = TrimSpaces(ascendantPosition);
  const std::size_t start = trimmed.size() > kAbbrevLength ? trimmed.size() - kAbbrevLength : 0;
  return FindSign(trimmed.substr(start));
}

}  // namespace tarvel
