#pragma once

#include <string>

#include "app/birth_form.h"
#include "atlas/place.h"

namespace tarvel {

/// Writes a place the atlas found into the form: the city, state and country as the letters
/// boxes hold them ("São Paulo" as "Sao Paulo"), the latitude and longitude to the nearest
/// arc-minute with their directions.
void FillPlace(const Place& place, BirthForm& form);

/// Takes back from `form` what the atlas filled in `filled` and the form still holds: each
/// coordinate box that still shows the atlas's digits is emptied, and a zone row and
/// daylight saving still the atlas's go back to the first row without it. What the user has
/// typed or chosen since stays.
void TakeBackAtlasFill(const BirthForm& filled, BirthForm& form);

/// What the form says of a city the atlas does not know.
std::string NotInAtlasNote(std::string_view city);

/// Sets the zone row and the daylight-saving box to what was in force at the place at the
/// form's birth date and time, and returns the one-line note that says so. Where no row of
/// the list gives that offset (local mean time before standard zones) the zone is left as it
/// was and the note says what the offset was.
struct ZoneFill {
  std::string note;
  bool decided = false;  ///< the form now holds the zone in force
  std::string refusal;   ///< when not decided: why Tarvel Reading is refused, naming the place
};
ZoneFill FillZone(const Place& place, BirthForm& form);

}  // namespace tarvel
