#include "base/date_text.h"

#include <array>
#include <cstdio>

namespace tarvel {

std::string DateText(int year, int month, int day) {
  std::string text = std::to_string(day);
  text += ' ';
  if (month >= 1 && month <= 12) {
    text += kMonthNames[static_cast<std::size_t>(month - 1)];
  } else {
    text += "month ";
    text += std::to_string(month);
  }
  text += ' ';
  text += std::to_string(year);
  return text;
}

std::string ClockText(int hour, int minute) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%02d:%02d", hour, minute);
  return text.data();
}

}  // namespace tarvel
