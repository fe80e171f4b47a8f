#include "cli/places_command.h"

#include <nlohmann/json.hpp>

#include "atlas/degrees_minutes.h"
#include "cli/chart/exit_status.h"
#include "cli/chart/quoted_input.h"

namespace tarvel::cli {
namespace {

std::string AngleText(const std::optional<DegreesMinutes>& angle) {
  return angle ? DegreesMinutesText(*angle) : "?";
}

void WriteText(const std::vector<NamedPlace>& found, std::ostream& out) {
  for (const NamedPlace& named : found) {
    const Place& place = named.place;
    out << DisplayText(named) << '\t' << AngleText(LatitudeDegreesMinutes(place.latitudeDeg))
        << '\t' << AngleText(LongitudeDegreesMinutes(place.longitudeDeg)) << '\t'
        << place.timeZoneId << '\t' << place.population << '\n';
  }
}

void WriteJson(const std::vector<NamedPlace>& found, std::ostream& out) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const NamedPlace& named : found) {
    const Place& place = named.place;
    list.push_back({{"Name", DisplayText(named)},
                    {"City", place.city},
                    {"FormerName", named.formerName},
                    {"State", place.state},
                    {"Country", place.country},
                    {"CountryCode", place.countryCode},
                    {"Latitude", place.latitudeDeg},
                    {"Longitude", place.longitudeDeg},
                    {"ZoneId", place.timeZoneId},
                    {"Population", place.population}});
  }
  out << list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace

int RunPlacesCommand(const PlacesRequest& request, const LazyAtlas& atlas, std::ostream& out,
                     std::ostream& err) {
  if (request.query.find_first_not_of(" \t") == std::string::npos) {
    err << "tarvel-cli: the name to look up is empty\n";
    return kExitBadInput;
  }
  const std::vector<NamedPlace> places = atlas.Get().Complete(request.query, request.limit);
  if (places.empty()) {
    const auto resolution = atlas.Get().Resolve(request.query);
    const auto* unknown = std::get_if<UnresolvedPlace>(&resolution);
    // The atlas's message quotes the query as written.
    err << "tarvel-cli: "
        << (unknown != nullptr ? EscapedForMessage(unknown->message)
                               : "no city starts with " + QuotedForMessage(request.query))
        << '\n';
    return kExitFailed;
  }
  if (request.json) {
    WriteJson(places, out);
  } else {
    WriteText(places, out);
  }
  return kExitOk;
}

}  // namespace tarvel::cli
