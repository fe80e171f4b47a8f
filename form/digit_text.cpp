#include "form/digit_text.h"

#include <algorithm>

namespace tarvel {

std::optional<DigitText> DigitText::Parse(std::string_view text) {
  const bool allDigits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!allDigits || text.size() > kMaxLength) return std::nullopt;
  DigitText result;
  // At most three bytes: copied one by one over a fixed count, not by a call to the C library.
  for (std::size_t i = 0; i < kMaxLength; ++i) {
    if (i < text.size()) result.digits_[i] = text[i];
  }
  result.length_ = static_cast<std::uint8_t>(text.size());
  return result;
}

std::int16_t DigitText::Value() const {
  std::int16_t value = 0;
  for (char c : Text()) value = static_cast<std::int16_t>(value * 10 + (c - '0'));
  return value;
}

}  // namespace tarvel
