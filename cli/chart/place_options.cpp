#include "cli/chart/place_options.h"

#include <tuple>

#include "atlas/search_text.h"
#include "cli/chart/quoted_input.h"
#include "form/atlas_form.h"

namespace tarvel::cli {
namespace {

// The atlas's coordinates and names, where the options give none.
void TakePlace(const BirthOptions& options, const Place& place, BirthRecord& read) {
  if (!options.latitude) read.latitude = LatitudeDegreesMinutes(place.latitudeDeg);
  if (!options.longitude) read.longitude = LongitudeDegreesMinutes(place.longitudeDeg);
  BirthData& birth = read.birth;
  for (auto [given, text, atlas] :
       {std::tuple{&options.city, &birth.BirthCity, &place.city},
        std::tuple{&options.state, &birth.BirthState, &place.state},
        std::tuple{&options.country, &birth.BirthCountry, &place.country}}) {
    if (!*given) *text = FormLetters(*atlas);
  }
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
                                                   const ResolvedPlace& found, BirthRecord& read) {
  PlaceUsed used{ResolutionText(found), found.place.timeZoneId, {}};
  TakePlace(options, found.place, read);
  // A zone or an offset the user gave is taken as it is: daylight saving then comes only from
  // the user too, since the atlas's would be that of its own zone.
  if (options.offset || options.zone) return used;
  const BirthData& birth = read.birth;
  const ZoneFill fill =
      FindZoneFill(found.place, {birth.BirthYear, birth.BirthMonth, birth.BirthDay, birth.BirthHour,
                                 birth.BirthMinute, birth.BirthSecond});
  if (!fill.decided) {
    // A date the month does not have is left for the form's own check to refuse in its
    // words.
    if (fill.refusal.empty()) return used;
    return OptionError{"no zone for " + QuotedForMessage(*options.place) + ": " + fill.note};
  }
  read.zone = fill.zone;
  if (!options.dst && fill.daylightSavingTicked) read.dst = *fill.daylightSavingTicked;
  used.zoneNote = fill.note;
  return used;
}

}  // namespace tarvel::cli
