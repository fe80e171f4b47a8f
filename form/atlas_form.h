#pragma once

#include <optional>
#include <string>

#include "atlas/place.h"
#include "form/birth_form.h"

namespace tarvel {

/// Writes a place the atlas found into the form: the city, state and country as the letters
/// boxes hold them ("São Paulo" as "Sao Paulo"), the latitude and longitude to the nearest
/// arc-minute with their directions.
void FillPlace(const Place& place, BirthForm& form);

/// Takes back from `form` what the atlas filled in `filled` and the form still holds: each
/// coordinate box that still shows the atlas's digits is emptied, and a zone (row and daylight
/// saving, exact offset or local mean time) still the atlas's goes back to the first row
/// without daylight saving. What the user has typed or chosen since stays.
void TakeBackAtlasFill(const BirthForm& filled, BirthForm& form);

/// What the form says of a city the atlas does not know.
std::string NotInAtlasNote(std::string_view city);

/// Sets the form's zone to what was in force at the place at the form's birth date and time
/// (see DecideZone): a row and the daylight-saving box, the exact offset, or local mean time;
/// and returns the one-line note that says so. Where the zone history cannot tell, the zone is
/// left as it was and Tarvel Reading is to be refused until the user chooses one.
struct ZoneFill {
  std::string note;
  bool decided = false;     ///< the form now holds the zone in force
  std::string refusal;      ///< when not decided: why Tarvel Reading is refused, naming the place
                            ///< and date; empty where the form's own date check refuses
  std::string offsetLabel;  ///< an exact offset as the tz database names it, else empty
  /// Whether summer time was in force there and then, where the history tells.
  std::optional<bool> daylightSavingInForce;
};
ZoneFill FillZone(const Place& place, BirthForm& form);

}  // namespace tarvel
