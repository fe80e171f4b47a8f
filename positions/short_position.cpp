#include "positions/short_position.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0";
constexpr char kBlank = ' ';
constexpr std::size_t kAbbrevLength = 3;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == kBlank) text.remove_prefix(1);
  while (!text.empty() && text.back() == kBlank) text.remove_suffix(1);
  return text;
}

void AppendTwoDigits(std::string& text, std::string_view number) {
  if (number.size() <= 1) text += '0';
  text.append(number);
}

}  // namespace

std::string ShortPosition(std::string_view positionText) {
  const std::string_view text = Trim(positionText);
  const std::size_t degreeAt = std::min(text.find(kDegreeSign), text.size());
  const std::size_t minutesAt = std::min(degreeAt + kDegreeSign.size(), text.size());
  const std::size_t apostropheAt = std::max(text.find('\''), minutesAt);
  const std::string_view degrees = Trim(text.substr(0, degreeAt));
  const std::string_view minutes = Trim(text.substr(minutesAt, apostropheAt - minutesAt));
  // The abbreviation is the last three characters of the text as given, not of the trimmed one.
  const std::size_t abbrevLength = std::min(kAbbrevLength, positionText.size());
  const std::string_view sign = Trim(positionText.substr(positionText.size() - abbrevLength));
  std::string shortText;
  shortText.reserve(degrees.size() + sign.size() + minutes.size() + 4);
  AppendTwoDigits(shortText, degrees);
  shortText.append(1, ' ').append(sign).append(1, ' ');
  AppendTwoDigits(shortText, minutes);
  return shortText;
}

}  // namespace tarvel
