#pragma once

#include <optional>
#include <string>
#include <variant>

#include "atlas/atlas.h"
#include "cli/chart/birth_options.h"

namespace tarvel::cli {

/// What the atlas made of a birth's place, for the output to say.
struct PlaceUsed {
  std::string place;     ///< e.g. "Springfield, Missouri, United States of America (most
                         ///< populous of 8 matches)"
  std::string zoneId;    ///< the tz database's zone, e.g. "America/Chicago"
  std::string zoneNote;  ///< what the zone was at the birth; empty when the zone was given
};

/// Fills what a place stands in for from the atlas: the latitude and longitude (to the nearest
/// arc-minute), the zone row and daylight saving in force at the local birth date and time,
/// and the city, state and country as the letters boxes hold them. Every option given keeps
/// its value. Nothing is done without a place. An unknown place is refused naming the nearest
/// candidates. An offset no row of the list gives is taken as it is, and local mean time from
/// the place's own longitude.
std::variant<std::optional<PlaceUsed>, OptionError> FillFromPlace(BirthOptions& options,
                                                                  const Atlas& atlas);

}  // namespace tarvel::cli
