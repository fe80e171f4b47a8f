#include "fuzz/fuzz_bytes.h"

#include <cstdio>
#include <cstdlib>

namespace tarvel::fuzz {

std::vector<std::string> SplitAt(std::string_view text, std::string_view separators) {
  std::vector<std::string> pieces;
  while (true) {
    const std::size_t end = text.find_first_of(separators);
    pieces.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return pieces;
    text.remove_prefix(end + 1);
  }
}

void Require(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()),
               property.data());
  std::abort();
}

}  // namespace tarvel::fuzz
