#include "atlas/indexed_place.h"

#include <glib.h>

#include <utility>

#include "atlas/country_names.h"
#include "atlas/search_text.h"

namespace tarvel {
namespace {

bool IsCountryCode(std::string_view folded, std::string_view code) {
  return folded.size() == 2 && code.size() == 2 &&
         g_ascii_strncasecmp(folded.data(), code.data(), 2) == 0;
}

}  // namespace

IndexedPlace IndexPlace(Place place) {
  IndexedPlace entry;
  entry.foldedCity = FoldForSearch(place.city);
  entry.foldedState = FoldForSearch(place.state);
  entry.foldedCountry = FoldForSearch(place.country);
  entry.place = std::move(place);
  return entry;
}

bool CountryMatches(const IndexedPlace& entry, std::string_view folded, bool asPrefix) {
  if (folded.empty()) return false;
  const std::string_view country = entry.foldedCountry;
  if (asPrefix ? country.starts_with(folded) : country == folded) return true;
  if (IsCountryCode(folded, entry.place.countryCode)) return true;
  const auto code = CountryCodeForCommonName(folded);
  return code && *code == entry.place.countryCode;
}

bool StateMatches(const IndexedPlace& entry, std::string_view folded, bool asPrefix) {
  if (folded.empty()) return false;
  const std::string_view state = entry.foldedState;
  for (auto at = state.find(folded); at != std::string_view::npos;
       at = state.find(folded, at + 1)) {
    const std::size_t end = at + folded.size();
    const bool startsWord = at == 0 || state[at - 1] == ' ';
    const bool endsWord = asPrefix || end == state.size() || state[end] == ' ';
    if (startsWord && endsWord) return true;
  }
  return false;
}

}  // namespace tarvel
