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

/// The place the options name, as the atlas finds it; an unknown place is refused naming the
/// nearest candidates.
std::variant<ResolvedPlace, OptionError> FindPlace(const std::string& place, const Atlas& atlas);

/// Fills into the record what the place stands in for and the options leave out, as the
/// window's atlas fills its form: the latitude and longitude (to the nearest arc-minute), the
/// zone in force at the birth's date and time (a row with daylight saving, the exact offset,
/// or the place's own local mean time), and the city, state and country as the letters boxes
/// hold them. With a zone row given, the atlas says only whether daylight saving was in force.
/// A zone the history cannot decide is refused, unless a row is given.
std::variant<PlaceUsed, OptionError> FillFromPlace(const BirthOptions& options,
                                                   const ResolvedPlace& found, BirthRecord& read);

}  // namespace tarvel::cli
