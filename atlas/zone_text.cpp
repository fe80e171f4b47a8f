#include "atlas/zone_text.h"

namespace tarvel {
namespace {

void AppendPlural(std::string& text, int count, const char* unit) {
  text += std::to_string(count);
  text += ' ';
  text += unit;
  if (count != 1) text += 's';
}

}  // namespace

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
