#include "atlas/geonames_source.h"

#include <geonames.h>

#include <memory>

namespace tarvel {
namespace {

struct CityDeleter {
  void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using CityHandle = std::unique_ptr<GeonamesCity, CityDeleter>;

std::string Text(const gchar* text) {
  return text == nullptr ? std::string() : std::string(text);
}

Place ReadCity(GeonamesCity* city) {
  Place place;
  place.city = Text(geonames_city_get_name(city));
  place.state = Text(geonames_city_get_state(city));
  place.country = Text(geonames_city_get_country(city));
  place.countryCode = Text(geonames_city_get_country_code(city));
  place.latitudeDeg = geonames_city_get_latitude(city);
  place.longitudeDeg = geonames_city_get_longitude(city);
  place.population = geonames_city_get_population(city);
  place.timeZoneId = Text(geonames_city_get_timezone(city));
  return place;
}

}  // namespace

std::vector<Place> ReadGeonamesPlaces() {
  const gint count = geonames_get_n_cities();
  std::vector<Place> places;
  places.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
  for (gint i = 0; i < count; ++i) {
    const CityHandle city(geonames_get_city(i));
    if (city) places.push_back(ReadCity(city.get()));
  }
  return places;
}

}  // namespace tarvel
