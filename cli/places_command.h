#pragma once

#include <ostream>
#include <string>

#include "atlas/lazy_atlas.h"

namespace tarvel::cli {

/// What `tarvel-cli places` was asked for.
struct PlacesRequest {
  std::string query;       ///< the start of a city's name, optionally ", State" or ", Country"
  std::size_t limit = 10;  ///< the most places to list
  bool json = false;
};

/// Lists the cities whose names, or former names ("Bombay"), start with the query, most
/// populous first: name, coordinates, time-zone id and population, as text or one JSON array. A
/// query that finds nothing is refused with the nearest names, exit status 1.
int RunPlacesCommand(const PlacesRequest& request, const LazyAtlas& atlas, std::ostream& out,
                     std::ostream& err);

}  // namespace tarvel::cli
