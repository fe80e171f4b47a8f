#pragma once

#include <string_view>
#include <vector>

namespace tarvel {

/// `text` without its leading and trailing spaces; other characters, tabs among them, stay.
constexpr std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
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
