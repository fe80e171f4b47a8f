#pragma once

#include <cstdint>

#include "atlas/atlas.h"

namespace tarvel::testing {

/// The atlas of libgeonames' cities, built once for all tests of the executable. Tests run in
/// the C locale, so the names are libgeonames' English ones.
inline const Atlas& GeonamesAtlas() {
  static const Atlas atlas = Atlas::FromGeonames();
  return atlas;
}

/// A place for a small hand-made atlas; coordinates and zone do not matter to the search.
inline Place City(const char* city, const char* state, const char* country, const char* code,
                  std::uint32_t population) {
  Place place;
  place.city = city;
  place.state = state;
  place.country = country;
  place.countryCode = code;
  place.population = population;
  return place;
}

}  // namespace tarvel::testing
