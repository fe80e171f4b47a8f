#pragma once

#include <optional>
#include <string_view>

namespace tarvel {

/// The ISO 3166 two-letter code for a common short, older or native name of a country that
/// the atlas writes otherwise: "usa", "us", "uk", "great britain", "england", "uae",
/// "holland", "south korea", "burma", "deutschland"... `folded` is written as FoldForSearch
/// gives it. Nothing for any other text (the atlas's own country names and the codes
/// themselves are matched directly).
std::optional<std::string_view> CountryCodeForCommonName(std::string_view folded);

}  // namespace tarvel
