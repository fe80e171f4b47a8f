#include "app/atlas_form.h"

#include "atlas/degrees_minutes.h"
#include "atlas/search_text.h"
#include "atlas/zone_history.h"
#include "atlas/zone_row.h"

namespace tarvel {

namespace {

void FillAngle(const std::optional<DegreesMinutes>& angle, DigitText& degrees, DigitText& minutes) {
  if (!angle) return;
  degrees = *DigitText::Parse(std::to_string(angle->degrees));
  minutes = *DigitText::Parse(std::to_string(angle->minutes));
}

}  // namespace

void FillPlace(const Place& place, BirthForm& form) {
  form.txtCity = FormLetters(place.city);
  form.txtState = FormLetters(place.state);
  form.txtCountry = FormLetters(place.country);
  const auto latitude = LatitudeDegreesMinutes(place.latitudeDeg);
  const auto longitude = LongitudeDegreesMinutes(place.longitudeDeg);
  FillAngle(latitude, form.txtLatDeg, form.txtLatMin);
  FillAngle(longitude, form.txtLonDeg, form.txtLonMin);
  if (latitude)
    form.optLat = latitude->direction == 'S' ? LatitudeChoice::South : LatitudeChoice::North;
  if (longitude) {
    form.optLong = longitude->direction == 'W' ? LongitudeChoice::West : LongitudeChoice::East;
  }
}

namespace {

// The list cannot hold the zone in force, so the form's zone is not the place's.
ZoneFill Undecided(const Place& place, const std::string& why) {
  return {why + ": choose the zone yourself", false,
          "The zone of " + DisplayText(place) + " at this date is not in the list (" + why +
              "). Please choose the zone yourself."};
}

}  // namespace

ZoneFill FillZone(const Place& place, BirthForm& form) {
  const auto state = ZoneStateAt(place.timeZoneId, FormCivilTime(form));
  // A date the zone history cannot place is one the form's own checks refuse, in their words.
  if (const auto* error = std::get_if<ZoneError>(&state)) return {error->message, false, {}};
  const ZoneRowChoice choice = ChooseZoneRow(std::get<ZoneState>(state));
  if (!choice.row) return Undecided(place, choice.note);
  form.cboTimeZone = *choice.row;
  form.chkDST = choice.daylightSavingTicked;
  return {choice.note, true, {}};
}

void TakeBackAtlasFill(const BirthForm& filled, BirthForm& form) {
  for (DigitText BirthForm::*box : {&BirthForm::txtLatDeg, &BirthForm::txtLatMin,
                                    &BirthForm::txtLonDeg, &BirthForm::txtLonMin}) {
    if (form.*box == filled.*box) form.*box = DigitText();
  }
  if (form.cboTimeZone == filled.cboTimeZone && form.chkDST == filled.chkDST) {
    form.cboTimeZone = BirthForm().cboTimeZone;
    form.chkDST = false;
  }
}

std::string NotInAtlasNote(std::string_view city) {
  return std::string(city) + ": not in the atlas \u2014 type the coordinates and zone";
}

}  // namespace tarvel
