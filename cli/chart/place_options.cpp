#include "cli/chart/place_options.h"

#include <charconv>

#include "atlas/degrees_minutes.h"
#include "atlas/search_text.h"
#include "atlas/zone_decision.h"
#include "base/zone_choice.h"
#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

// The number at `text[from, from + length)`, if it is all digits.
std::optional<int> NumberAt(std::string_view text, std::size_t from, std::size_t length) {
  if (text.size() < from + length) return std::nullopt;
  int value = 0;
  const char* begin = text.data() + from;
  const auto [end, error] = std::from_chars(begin, begin + length, value);
  if (error != std::errc() || end != begin + length) return std::nullopt;
  return value;
}

// The local birth date and time, when the options write them as they should: anything else
// is left for the date and time checks to refuse.
std::optional<CivilTime> LocalTimeOf(const BirthOptions& options) {
  const std::string_view date = options.date;
  const std::string_view time = options.time;
  const std::size_t colon = time.find(':');
  if (date.size() != 10 || date[4] != '-' || date[7] != '-' || colon == std::string_view::npos) {
    return std::nullopt;
  }
  const auto year = NumberAt(date, 0, 4), month = NumberAt(date, 5, 2), day = NumberAt(date, 8, 2);
  const auto hour = NumberAt(time, 0, colon), minute = NumberAt(time, colon + 1, 2);
  // Seconds, where written, follow the minutes as ":SS".
  const bool hasSeconds = time.size() > colon + 3;
  const auto second = hasSeconds ? NumberAt(time, colon + 4, 2) : std::optional<int>{0};
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  // A year the form refuses is refused in the date's own words, before any zone is sought.
  if (*year < kFirstYear || *year > kLastYear) return std::nullopt;
  return CivilTime{*year, *month, *day, *hour, *minute, *second};
}

void FillCoordinates(const Place& place, BirthOptions& options) {
  const auto latitude = LatitudeDegreesMinutes(place.latitudeDeg);
  const auto longitude = LongitudeDegreesMinutes(place.longitudeDeg);
  if (!options.latitude && latitude) options.latitude = DegreesMinutesText(*latitude);
  if (!options.longitude && longitude) options.longitude = DegreesMinutesText(*longitude);
}

// An empty name (one with no letters the boxes take) is left out rather than filled.
void FillText(std::optional<std::string>& box, const std::string& name) {
  const std::string letters = FormLetters(name);
  if (!box && !letters.empty()) box = letters;
}

// The zone the atlas decides for the place and date, where none is given.
void TakeDecision(const ZoneDecision& decision, BirthOptions& options) {
  switch (decision.zone.kind) {
    case ZoneKind::LocalMeanTime:
      options.offset = "lmt";
      return;
    case ZoneKind::Offset:
      options.offset = SignedClockText(decision.zone.offsetSeconds);
      return;
    case ZoneKind::Row:
      break;
  }
  options.zone = decision.zone.row;
  if (!options.dst && decision.daylightSavingKnown) options.dst = decision.daylightSavingTicked;
}

// The zone and daylight saving in force; the refusal when the zone history has none.
std::optional<OptionError> FillZone(const Place& place, BirthOptions& options,
                                    std::string& zoneNote) {
  const auto localTime = LocalTimeOf(options);
  if (!localTime || options.offset || (options.zone && options.dst)) return std::nullopt;
  const auto decided = DecideZone(place.timeZoneId, *localTime);
  if (const auto* error = std::get_if<ZoneError>(&decided)) {
    // With a zone given, an impossible date is left for the date check to refuse in its own
    // words; without one, the zone cannot be found and this says why.
    if (options.zone) return std::nullopt;
    return OptionError{"no zone for " + QuotedForMessage(*options.place) + ": " + error->message};
  }
  const ZoneDecision& decision = std::get<ZoneDecision>(decided);
  if (options.zone) {
    // The row given keeps its say; the atlas tells only whether daylight saving was in force.
    if (decision.daylightSavingKnown) options.dst = decision.daylightSavingInForce;
    return std::nullopt;
  }
  zoneNote = decision.note;
  TakeDecision(decision, options);
  return std::nullopt;
}

}  // namespace

std::variant<std::optional<PlaceUsed>, OptionError> FillFromPlace(BirthOptions& options,
                                                                  const Atlas& atlas) {
  if (!options.place) return std::optional<PlaceUsed>();
  const PlaceResolution resolution = atlas.Resolve(*options.place);
  if (const auto* unknown = std::get_if<UnresolvedPlace>(&resolution)) {
    // The atlas's message quotes the place as written.
    return OptionError{EscapedForMessage(unknown->message)};
  }
  const ResolvedPlace& found = std::get<ResolvedPlace>(resolution);
  PlaceUsed used{ResolutionText(found), found.place.timeZoneId, {}};
  if (auto error = FillZone(found.place, options, used.zoneNote)) return *error;
  FillCoordinates(found.place, options);
  FillText(options.city, found.place.city);
  FillText(options.state, found.place.state);
  FillText(options.country, found.place.country);
  return std::optional<PlaceUsed>(std::move(used));
}

}  // namespace tarvel::cli
