#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

/// A former or alternate name of a city and the atlas's city it leads to.
struct FormerName {
  std::string name;  ///< as people write it, e.g. "Bombay"
  std::string city;  ///< the atlas's city as Atlas::Resolve reads it, e.g. "Mumbai, India"
};

/// The entries of a table of former names: one "Name = City, Region" a line, "#" beginning a
/// comment; blank lines and lines without "=" are skipped.
std::vector<FormerName> ReadFormerNames(std::string_view table);

/// The table built into the program from former_names.txt: about 300 former and alternate
/// names (Bombay, Calcutta, Peking, Saigon, Leningrad) with the sources of the renamings.
std::string_view FormerNamesTable();

}  // namespace tarvel
