#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

/// A place as the user wrote it ("City, State, Country"), split at its commas.
struct WrittenPlace {
  std::vector<std::string> parts;        ///< city first, each trimmed of spaces, as written
  std::vector<std::string> foldedParts;  ///< the same parts as FoldForSearch gives them
};

/// The written place split at every comma; an empty text gives one empty part.
WrittenPlace ReadWrittenPlace(std::string_view written);

}  // namespace tarvel
