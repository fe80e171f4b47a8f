#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

namespace tarvel {

/// `text` without the leading and trailing characters listed in `blanks`: spaces alone unless
/// told otherwise, so tabs and other characters stay.
constexpr std::string_view TrimSpaces(std::string_view text, std::string_view blanks = " ") {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

/// The byte with an ASCII capital letter folded to lower case; every other byte as it is.
constexpr char FoldAsciiCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Whether two texts are equal once ASCII letters are folded to lower case ("True", "TRUE",
/// "true"); bytes outside ASCII must match exactly.
constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, {}, FoldAsciiCase, FoldAsciiCase);
}

/// The pieces of `text` between its commas, empty ones included: "a,,b" gives "a", "", "b".
inline std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> pieces;
  for (std::size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',')) {
    pieces.push_back(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  pieces.push_back(text);
  return pieces;
}

}  // namespace tarvel
