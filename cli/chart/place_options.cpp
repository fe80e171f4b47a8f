#include "cli/chart/place_options.h"

#include "cli/chart/quoted_input.h"
#include "form/atlas_form.h"

namespace tarvel::cli {
namespace {

// The atlas's coordinates and names, where the options give none.
void TakePlace(const BirthOptions& options, const BirthForm& atlas, BirthForm& form) {
  if (!options.latitude) {
    form.txtLatDeg = atlas.txtLatDeg;
    form.txtLatMin = atlas.txtLatMin;
    form.optLat = atlas.optLat;
  }
  if (!options.longitude) {
    form.txtLonDeg = atlas.txtLonDeg;
    form.txtLonMin = atlas.txtLonMin;
    form.optLong = atlas.optLong;
  }
  for (auto [given, box] : {std::pair{&options.city, &BirthForm::txtCity},
                            std::pair{&options.state, &BirthForm::txtState},
                            std::pair{&options.country, &BirthForm::txtCountry}}) {
    if (!*given) form.*box = atlas.*box;
  }
}

// The atlas's zone, where the options give none.
void TakeZone(const BirthOptions& options, const BirthForm& atlas, BirthForm& form) {
  form.zoneKind = atlas.zoneKind;
  form.zoneOffsetSeconds = atlas.zoneOffsetSeconds;
  form.cboTimeZone = atlas.cboTimeZone;
  if (!options.dst) form.chkDST = atlas.chkDST;
}

}  // namespace

std::variant<ResolvedPlace, OptionError> FindPlace(const std::string& place, const Atlas& atlas) {
  PlaceResolution resolution = atlas.Resolve(place);
  if (const auto* unknown = std::get_if<UnresolvedPlace>(&resolution)) {
    // The atlas's message quotes the place as written.
    return OptionError{EscapedForMessage(unknown->message)};
  }
  return std::get<ResolvedPlace>(std::move(resolution));
}

std::variant<PlaceUsed, OptionError> FillFromPlace(const BirthOptions& options,
                                                   const ResolvedPlace& found, BirthForm& form) {
  PlaceUsed used{ResolutionText(found), found.place.timeZoneId, {}};
  BirthForm atlas = form;
  FillPlace(found.place, atlas);
  TakePlace(options, atlas, form);
  if (options.offset || (options.zone && options.dst)) return used;
  const ZoneFill fill = FillZone(found.place, atlas);
  if (!fill.decided) {
    // A date the month does not have is left for the form's own check to refuse in its
    // words; a given row stands where the history cannot tell.
    if (fill.refusal.empty() || options.zone) return used;
    return OptionError{"no zone for " + QuotedForMessage(*options.place) + ": " + fill.note};
  }
  if (options.zone) {
    // The row given keeps its say; the atlas tells only whether daylight saving was in force.
    if (fill.daylightSavingInForce) form.chkDST = *fill.daylightSavingInForce;
    return used;
  }
  TakeZone(options, atlas, form);
  used.zoneNote = fill.note;
  return used;
}

}  // namespace tarvel::cli
