#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::fuzz {

/// Reads typed values off the front of a fuzzer's input; an exhausted input gives zeros and
/// empty texts, so every input makes a value.
class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }

  // The two bytes are read in turn: the order of calls within one expression is unspecified.
  std::int16_t Int16() {
    const int low = Byte();
    const int high = Byte();
    return static_cast<std::int16_t>(low | (high << 8));
  }

  std::int32_t Int32() {
    const auto low = static_cast<std::uint16_t>(Int16());
    const auto high = static_cast<std::uint16_t>(Int16());
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(high) << 16 | low);
  }

  /// A text of up to `maxBytes`, its length given by the next byte.
  std::string Text(std::size_t maxBytes) {
    const std::size_t length = std::min<std::size_t>(Byte() % (maxBytes + 1), rest_.size());
    std::string text(rest_.substr(0, length));
    rest_.remove_prefix(length);
    return text;
  }

  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

/// The input as one text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

/// The pieces of a text between the separators, empty pieces included.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separators);

/// Ends the run with a finding when a property does not hold: libFuzzer keeps the input.
void Require(bool holds, std::string_view property);

}  // namespace tarvel::fuzz
