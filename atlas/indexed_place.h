#pragma once

#include <string>
#include <string_view>

#include "atlas/place.h"

namespace tarvel {

/// A place with its names folded once for search (see FoldForSearch): the atlas's record.
struct IndexedPlace {
  Place place;
  std::string foldedCity;
  std::string foldedState;
  std::string foldedCountry;
};

/// The place with its folded names.
IndexedPlace IndexPlace(Place place);

/// Whether a written country names the place's country: its name, its two-letter code or
/// a common name (CountryCodeForCommonName). With `asPrefix`, the start of its name is
/// enough, as while the user types. `folded` as FoldForSearch gives it.
bool CountryMatches(const IndexedPlace& entry, std::string_view folded, bool asPrefix);

/// Whether a written state names the place's state: whole words of it in order, so
/// "zurich" names "Canton of Zurich" and "ile de france" names "Île-de-France Region".
/// With `asPrefix`, the last word may be unfinished.
bool StateMatches(const IndexedPlace& entry, std::string_view folded, bool asPrefix);

}  // namespace tarvel
