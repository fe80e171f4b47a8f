#include "atlas/written_place.h"

#include "atlas/search_text.h"
#include "base/text.h"

namespace tarvel {
WrittenPlace ReadWrittenPlace(std::string_view written) {
  WrittenPlace place;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = written.find(',', start);
    const std::string_view part = TrimSpaces(written.substr(start, comma - start), " \t");
    place.parts.emplace_back(part);
    place.foldedParts.push_back(FoldForSearch(part));
    if (comma == std::string_view::npos) return place;
    start = comma + 1;
  }
}

}  // namespace tarvel
