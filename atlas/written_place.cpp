#include "atlas/written_place.h"

#include "atlas/search_text.h"

namespace tarvel {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

WrittenPlace ReadWrittenPlace(std::string_view written) {
  WrittenPlace place;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = written.find(',', start);
    const std::string_view part = TrimSpaces(written.substr(start, comma - start));
    place.parts.emplace_back(part);
    place.foldedParts.push_back(FoldForSearch(part));
    if (comma == std::string_view::npos) return place;
    start = comma + 1;
  }
}

}  // namespace tarvel
