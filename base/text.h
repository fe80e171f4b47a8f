#pragma once

#include <string_view>

namespace tarvel {

/// `text` without its leading and trailing spaces; other characters, tabs among them, stay.
constexpr std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace tarvel
