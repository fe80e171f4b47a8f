#include "atlas/zone_text.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace tarvel {
namespace {

void AppendPlural(std::string& text, int count, const char* unit) {
  text += std::to_string(count);
  text += ' ';
  text += unit;
  if (count != 1) text += 's';
}

}  // namespace

std::string UtcOffsetText(int offsetSeconds) {
  const int magnitude = std::abs(offsetSeconds);
  const char sign = offsetSeconds < 0 ? '-' : '+';
  const int hours = magnitude / 3600;
  const int minutes = magnitude / 60 % 60;
  const int seconds = magnitude % 60;
  std::array<char, 32> text{};
  if (seconds == 0) {
    std::snprintf(text.data(), text.size(), "UTC%c%02d:%02d", sign, hours, minutes);
  } else {
    std::snprintf(text.data(), text.size(), "UTC%c%02d:%02d:%02d", sign, hours, minutes, seconds);
  }
  return text.data();
}

std::string MinutesText(int minutes) {
  const int hours = minutes / 60;
  const int rest = minutes % 60;
  std::string text;
  if (hours != 0) AppendPlural(text, hours, "hour");
  if (hours != 0 && rest != 0) text += ' ';
  if (rest != 0 || hours == 0) AppendPlural(text, rest, "minute");
  return text;
}

}  // namespace tarvel
