#pragma once

#include <cstdint>
#include <string>

namespace tarvel {

/// A city of the atlas, as the birth form needs it.
struct Place {
  std::string city;         ///< e.g. "São Paulo", in the atlas's language
  std::string state;        ///< first-level division, e.g. "Maharashtra"; may be empty
  std::string country;      ///< e.g. "India"
  std::string countryCode;  ///< ISO 3166 two-letter code, e.g. "IN"
  double latitudeDeg = 0;   ///< -90 to 90, North positive
  double longitudeDeg = 0;  ///< -180 to 180, East positive
  std::uint32_t population = 0;
  std::string timeZoneId;  ///< tz database zone, e.g. "Asia/Kolkata"

  bool operator==(const Place&) const = default;
};

/// The place as the form shows it: "City, State, Country", leaving out an empty state.
std::string DisplayText(const Place& place);

}  // namespace tarvel
