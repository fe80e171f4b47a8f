#include "atlas/country_names.h"

namespace tarvel {
namespace {

struct CommonName {
  std::string_view folded;
  std::string_view code;
};

// Names people write for countries whose atlas name is longer, official or English:
// the atlas says "United States of America", "United Kingdom", "Republic of Korea".
constexpr CommonName kCommonNames[] = {
    {"usa", "US"},
    {"us", "US"},
    {"united states", "US"},
    {"america", "US"},
    {"uk", "GB"},
    {"great britain", "GB"},
    {"britain", "GB"},
    {"england", "GB"},
    {"scotland", "GB"},
    {"wales", "GB"},
    {"northern ireland", "GB"},
    {"uae", "AE"},
    {"emirates", "AE"},
    {"holland", "NL"},
    {"the netherlands", "NL"},
    {"south korea", "KR"},
    {"korea", "KR"},
    {"russian federation", "RU"},
    {"czechia", "CZ"},
    {"macedonia", "MK"},
    {"cote divoire", "CI"},
    {"burma", "MM"},
    {"persia", "IR"},
    {"swaziland", "SZ"},
    {"east timor", "TL"},
    {"gambia", "GM"},
    {"hong kong", "HK"},
    {"cape verde", "CV"},
    {"viet nam", "VN"},
    {"turkiye", "TR"},
    {"jordan", "JO"},
    {"lithuania", "LT"},
    {"moldova", "MD"},
    {"monaco", "MC"},
    {"democratic republic of the congo", "CD"},
    {"drc", "CD"},
    {"zaire", "CD"},
    {"republic of the congo", "CG"},
    {"the bahamas", "BS"},
    {"bosnia", "BA"},
    {"eire", "IE"},
    {"deutschland", "DE"},
    {"espana", "ES"},
    {"italia", "IT"},
    {"brasil", "BR"},
    {"bharat", "IN"},
    {"nippon", "JP"},
    {"schweiz", "CH"},
    {"suisse", "CH"},
    {"osterreich", "AT"},
    {"ceylon", "LK"},
};

}  // namespace

std::optional<std::string_view> CountryCodeForCommonName(std::string_view folded) {
  for (const CommonName& name : kCommonNames) {
    if (name.folded == folded) return name.code;
  }
  return std::nullopt;
}

}  // namespace tarvel
