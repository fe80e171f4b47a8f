#include "atlas/atlas.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "atlas/geonames_source.h"
#include "atlas/search_text.h"
#include "atlas/written_place.h"

namespace tarvel {
namespace {

// While typing, every part after the city narrows to a state or a country beginning so.
bool InTypedRegions(const IndexedPlace& entry, const std::vector<std::string>& foldedParts) {
  for (std::size_t i = 1; i < foldedParts.size(); ++i) {
    const std::string& part = foldedParts[i];
    if (part.empty()) continue;
    if (!StateMatches(entry, part, true) && !CountryMatches(entry, part, true)) return false;
  }
  return true;
}

}  // namespace

Atlas Atlas::FromGeonames() {
  return Atlas(ReadGeonamesPlaces());
}

Atlas::Atlas(std::vector<Place> places) {
  places_.reserve(places.size());
  for (Place& place : places) {
    IndexedPlace entry = IndexPlace(std::move(place));
    if (!entry.foldedCity.empty()) places_.push_back(std::move(entry));
  }
  for (std::uint32_t i = 0; i < places_.size(); ++i) {
    const std::string& name = places_[i].foldedCity;
    wordStarts_.push_back({i, 0});
    for (std::size_t at = name.find(' '); at != std::string::npos; at = name.find(' ', at + 1)) {
      wordStarts_.push_back({i, static_cast<std::uint32_t>(at + 1)});
    }
  }
  std::sort(wordStarts_.begin(), wordStarts_.end(), [this](WordStart a, WordStart b) {
    return std::tuple(KeyOf(a), a.place) < std::tuple(KeyOf(b), b.place);
  });
}

std::string_view Atlas::KeyOf(const WordStart& start) const {
  return std::string_view(places_[start.place].foldedCity).substr(start.offset);
}

std::vector<std::uint32_t> Atlas::PlacesWithWordPrefix(std::string_view foldedPrefix) const {
  auto at = std::lower_bound(
      wordStarts_.begin(), wordStarts_.end(), foldedPrefix,
      [this](const WordStart& start, std::string_view prefix) { return KeyOf(start) < prefix; });
  std::vector<std::uint32_t> found;
  for (; at != wordStarts_.end() && KeyOf(*at).starts_with(foldedPrefix); ++at) {
    found.push_back(at->place);
  }
  // A name may hold the prefix at two words ("San Sebastián de los Reyes" and "s").
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

std::vector<std::uint32_t> Atlas::PlacesNamed(std::string_view foldedCity) const {
  std::vector<std::uint32_t> found;
  for (std::uint32_t place : PlacesWithWordPrefix(foldedCity)) {
    if (places_[place].foldedCity == foldedCity) found.push_back(place);
  }
  return found;
}

void Atlas::KeepMostPopulous(std::vector<std::uint32_t>& indices, std::size_t maxCount) const {
  const std::size_t kept = std::min(maxCount, indices.size());
  // Equal populations fall back to the name, then to the atlas's order, so the order of
  // completions never changes from one keystroke to the next.
  std::partial_sort(indices.begin(), indices.begin() + static_cast<std::ptrdiff_t>(kept),
                    indices.end(), [this](std::uint32_t a, std::uint32_t b) {
                      const IndexedPlace& x = places_[a];
                      const IndexedPlace& y = places_[b];
                      return std::tuple(y.place.population, std::string_view(x.foldedCity), a) <
                             std::tuple(x.place.population, std::string_view(y.foldedCity), b);
                    });
  indices.resize(kept);
}

std::vector<Place> Atlas::PlacesAt(const std::vector<std::uint32_t>& indices) const {
  std::vector<Place> found;
  found.reserve(indices.size());
  for (std::uint32_t index : indices) found.push_back(places_[index].place);
  return found;
}

std::vector<Place> Atlas::Complete(std::string_view typed, std::size_t maxCount) const {
  const WrittenPlace written = ReadWrittenPlace(typed);
  const std::string& city = written.foldedParts.front();
  if (FoldedLetterCount(city) < 2) return {};
  std::vector<std::uint32_t> found = PlacesWithWordPrefix(city);
  std::erase_if(found, [&](std::uint32_t index) {
    return !InTypedRegions(places_[index], written.foldedParts);
  });
  KeepMostPopulous(found, maxCount);
  return PlacesAt(found);
}

}  // namespace tarvel
