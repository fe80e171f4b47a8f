#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvel {

/// The text of a digits-only box (degrees or minutes of a coordinate): empty, or one to
/// three ASCII digits. Holding the text in this type, rather than in a plain string, is what
/// guarantees that the calculation never meets a box whose text is not a number: every way
/// into a form (typing, pasting, the command line, a saved reading) has to go through Parse.
class DigitText {
 public:
  static constexpr std::size_t kMaxLength = 3;

  DigitText() = default;

  /// The text when it is empty or one to three digits; nothing otherwise.
  static std::optional<DigitText> Parse(std::string_view text);
  /// A number 0-999 in decimal digits, as the atlas fills a box; nothing outside.
  static std::optional<DigitText> OfNumber(int value);

  std::string_view Text() const { return {digits_.data(), length_}; }
  bool Empty() const { return length_ == 0; }
  /// The number the digits spell; 0 for an empty box (which validation refuses).
  std::int16_t Value() const;

  bool operator==(const DigitText&) const = default;

 private:
  // Held in place: a box is read for every chart of a batch, and three bytes need no string.
  std::array<char, kMaxLength> digits_{};
  std::uint8_t length_ = 0;
};

}  // namespace tarvel
