#include "form/atlas_form.h"

#include <tuple>

#include "atlas/degrees_minutes.h"
#include "atlas/search_text.h"
#include "atlas/zone_decision.h"
#include "base/date_text.h"
#include "form/validation.h"

namespace tarvel {

namespace {

void FillAngle(const std::optional<DegreesMinutes>& angle, DigitText& degrees, DigitText& minutes) {
  if (!angle) return;
  degrees = *DigitText::OfNumber(angle->degrees);
  minutes = *DigitText::OfNumber(angle->minutes);
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

// The zone history cannot place the date: the form's zone is not known to be the place's.
ZoneFill Undecided(const Place& place, const CivilTime& time, const std::string& why) {
  return {why,
          false,
          "No zone is known for " + DisplayText(place) + " on " +
              DateText(time.year, time.month, time.day) + " (" + why +
              "). Please choose the zone yourself.",
          {},
          {},
          {}};
}

// The place's longitude as the form takes it, to the arc-minute, so that a note of local mean
// time quotes the offset the chart uses.
double FormLongitudeDeg(const Place& place) {
  const auto angle = LongitudeDegreesMinutes(place.longitudeDeg);
  if (!angle) return place.longitudeDeg;
  const double magnitudeDeg = angle->degrees + angle->minutes / 60.0;
  return angle->direction == 'W' ? -magnitudeDeg : magnitudeDeg;
}

}  // namespace

ZoneFill FindZoneFill(const Place& place, const CivilTime& time) {
  if (FindImpossibleDay(time.year, time.month, time.day)) return {};
  const auto decided = DecideZone(place.timeZoneId, time, FormLongitudeDeg(place));
  if (const auto* error = std::get_if<ZoneError>(&decided)) {
    return Undecided(place, time, error->message);
  }
  const ZoneDecision& decision = std::get<ZoneDecision>(decided);
  // After the zone history ends the box stays as the user set it.
  const auto known = [&](bool value) {
    return decision.daylightSavingKnown ? std::optional(value) : std::nullopt;
  };
  return {decision.note,  true,          {},
          decision.label, decision.zone, known(decision.daylightSavingTicked)};
}

ZoneFill FillZone(const Place& place, BirthForm& form) {
  ZoneFill fill = FindZoneFill(place, FormCivilTime(form));
  if (!fill.decided) return fill;
  form.zoneKind = fill.zone.kind;
  form.zoneOffsetSeconds = fill.zone.offsetSeconds;
  if (fill.zone.kind == ZoneKind::Row) form.cboTimeZone = fill.zone.row;
  if (fill.daylightSavingTicked) form.chkDST = *fill.daylightSavingTicked;
  return fill;
}

void TakeBackAtlasFill(const BirthForm& filled, BirthForm& form) {
  for (DigitText BirthForm::*box : {&BirthForm::txtLatDeg, &BirthForm::txtLatMin,
                                    &BirthForm::txtLonDeg, &BirthForm::txtLonMin}) {
    if (form.*box == filled.*box) form.*box = DigitText();
  }
  // The zone, whether a row, an exact offset or local mean time, goes back only as a whole.
  const auto zone = [](const BirthForm& f) {
    return std::tuple(f.zoneKind, f.zoneOffsetSeconds, f.cboTimeZone, f.chkDST);
  };
  if (zone(form) == zone(filled)) {
    const BirthForm empty;
    std::tie(form.zoneKind, form.zoneOffsetSeconds, form.cboTimeZone, form.chkDST) = zone(empty);
  }
}

std::string NotInAtlasNote(std::string_view city) {
  return std::string(city) + ": not in the atlas \u2014 type the coordinates and zone";
}

}  // namespace tarvel
