#include "form/digit_text.h"

#include <algorithm>
#include <charconv>

namespace tarvel {

std::optional<DigitText> DigitText::Parse(std::string_view text) {
  const bool allDigits =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!allDigits || text.size() > kMaxLength) return std::nullopt;
  DigitText result;
  std::copy(text.begin(), text.end(), result.digits_.begin());
  result.length_ = static_cast<std::uint8_t>(text.size());
  return result;
}

std::optional<DigitText> DigitText::OfNumber(int value) {
  if (value < 0) return std::nullopt;
  DigitText result;
  const auto [end, error] =
      std::to_chars(result.digits_.data(), result.digits_.data() + kMaxLength, value);
  if (error != std::errc()) return std::nullopt;
  result.length_ = static_cast<std::uint8_t>(end - result.digits_.data());
  return result;
}

std::int16_t DigitText::Value() const {
  std::int16_t value = 0;
  std::from_chars(digits_.data(), digits_.data() + length_, value);
  return value;
}

}  // namespace tarvel
