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

/// The zone in force at a place at a birth's date and time (see DecideZone), as the form takes
/// it, with the one-line note that says so. Where the zone history cannot tell, Tarvel Reading
/// is to be refused until the user chooses a zone.
struct ZoneFill {
  std::string note;
  bool decided = false;     ///< the zone in force is known
  std::string refusal;      ///< when not decided: why Tarvel Reading is refused, naming the place
                            ///< and date; empty where the form's own date check refuses
  std::string offsetLabel;  ///< an exact offset as the tz database names it, else empty
  ZoneChoice zone;          ///< when decided: a row, the exact offset or local mean time
  /// When decided and the history tells: the daylight-saving box for the row.
  std::optional<bool> daylightSavingTicked;
};

/// The zone at a place on a local date and clock time; nothing decided for a day the month
/// does not have, which the form's own checks refuse in their words.
ZoneFill FindZoneFill(const Place& place, const CivilTime& time);

/// FindZoneFill at the form's date and time, and the zone decided into the form; a zone not
/// decided leaves the form as it was.
ZoneFill FillZone(const Place& place, BirthForm& form);

}  // namespace tarvel
