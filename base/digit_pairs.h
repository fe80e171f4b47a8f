#pragma once

#include <array>
#include <cstring>

namespace tarvel {

/// "00" to "99", two characters a pair: writers of fixed-width numbers copy a pair instead of
/// dividing twice.
inline constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

/// Writes `value` (0 to 99) as two digits at `to`; returns their end.
inline char* WriteDigitPair(char* to, unsigned value) {
  std::memcpy(to, &kDigitPairs[2 * value], 2);
  return to + 2;
}

}  // namespace tarvel
