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

std::string DisplayText(const NamedPlace& named) {
  if (named.formerName.empty()) return DisplayText(named.place);
  Place shown = named.place;
  shown.city += " (" + named.formerName + ")";
  return DisplayText(shown);
}

Atlas Atlas::FromGeonames() {
  return Atlas(ReadGeonamesPlaces(), ReadFormerNames(FormerNamesTable()));
}

Atlas::Atlas(std::vector<Place> places, const std::vector<FormerName>& formerNames) {
  places_.reserve(places.size());
  for (Place& place : places) {
    IndexedPlace entry = IndexPlace(std::move(place));
    if (!entry.foldedCity.empty()) places_.push_back(std::move(entry));
  }
  names_.reserve(places_.size() + formerNames.size());
  for (std::uint32_t i = 0; i < places_.size(); ++i)
    names_.push_back({i, places_[i].foldedCity, {}});
  IndexWordsFrom(0);
  // Former names lead to the cities' own names only, never to one another.
  std::vector<IndexedName> formerEntries;
  for (const FormerName& former : formerNames) {
    auto entry = FormerNameEntry(former);
    if (auto* problem = std::get_if<std::string>(&entry)) {
      formerNameProblems_.push_back(std::move(*problem));
    } else {
      formerEntries.push_back(std::get<IndexedName>(std::move(entry)));
    }
  }
  const auto firstFormer = static_cast<std::uint32_t>(names_.size());
  std::move(formerEntries.begin(), formerEntries.end(), std::back_inserter(names_));
  IndexWordsFrom(firstFormer);
}

void Atlas::IndexWordsFrom(std::uint32_t firstName) {
  for (std::uint32_t i = firstName; i < names_.size(); ++i) {
    const std::string& name = names_[i].folded;
    wordStarts_.push_back({i, 0});
    for (std::size_t at = name.find(' '); at != std::string::npos; at = name.find(' ', at + 1)) {
      wordStarts_.push_back({i, static_cast<std::uint32_t>(at + 1)});
    }
  }
  std::sort(wordStarts_.begin(), wordStarts_.end(), [this](WordStart a, WordStart b) {
    return std::tuple(KeyOf(a), a.name) < std::tuple(KeyOf(b), b.name);
  });
}

std::string_view Atlas::KeyOf(const WordStart& start) const {
  return std::string_view(names_[start.name].folded).substr(start.offset);
}

std::vector<std::uint32_t> Atlas::NamesWithWordPrefix(std::string_view foldedPrefix) const {
  auto at = std::lower_bound(
      wordStarts_.begin(), wordStarts_.end(), foldedPrefix,
      [this](const WordStart& start, std::string_view prefix) { return KeyOf(start) < prefix; });
  std::vector<std::uint32_t> found;
  for (; at != wordStarts_.end() && KeyOf(*at).starts_with(foldedPrefix); ++at) {
    found.push_back(at->name);
  }
  // A name may hold the prefix at two words ("San Sebastián de los Reyes" and "s").
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

std::vector<std::uint32_t> Atlas::NamesEqualTo(std::string_view foldedName) const {
  std::vector<std::uint32_t> found;
  for (std::uint32_t name : NamesWithWordPrefix(foldedName)) {
    if (names_[name].folded == foldedName) found.push_back(name);
  }
  return found;
}

void Atlas::KeepOnePerPlace(std::vector<std::uint32_t>& names) const {
  // A place's own name comes before its former names in names_, so it is the one kept.
  std::sort(names.begin(), names.end(), [this](std::uint32_t a, std::uint32_t b) {
    return std::tuple(names_[a].place, a) < std::tuple(names_[b].place, b);
  });
  names.erase(std::unique(names.begin(), names.end(),
                          [this](std::uint32_t a, std::uint32_t b) {
                            return names_[a].place == names_[b].place;
                          }),
              names.end());
}

void Atlas::KeepMostPopulous(std::vector<std::uint32_t>& names, std::size_t maxCount) const {
  const std::size_t kept = std::min(maxCount, names.size());
  // Equal populations fall back to the name, then to the atlas's order, so the order of
  // completions never changes from one keystroke to the next.
  std::partial_sort(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(kept), names.end(),
                    [this](std::uint32_t a, std::uint32_t b) {
                      const IndexedPlace& x = PlaceOf(a);
                      const IndexedPlace& y = PlaceOf(b);
                      return std::tuple(y.place.population, std::string_view(x.foldedCity), a) <
                             std::tuple(x.place.population, std::string_view(y.foldedCity), b);
                    });
  names.resize(kept);
}

NamedPlace Atlas::NamedPlaceAt(std::uint32_t name) const {
  return {PlaceOf(name).place, names_[name].former};
}

std::vector<Place> Atlas::PlacesAt(const std::vector<std::uint32_t>& names) const {
  std::vector<Place> found;
  found.reserve(names.size());
  for (std::uint32_t name : names) found.push_back(PlaceOf(name).place);
  return found;
}

std::vector<NamedPlace> Atlas::Complete(std::string_view typed, std::size_t maxCount) const {
  const WrittenPlace written = ReadWrittenPlace(typed);
  const std::string& city = written.foldedParts.front();
  if (FoldedLetterCount(city) < 2) return {};
  std::vector<std::uint32_t> found = NamesWithWordPrefix(city);
  std::erase_if(found, [&](std::uint32_t name) {
    return !InTypedRegions(PlaceOf(name), written.foldedParts);
  });
  KeepOnePerPlace(found);
  KeepMostPopulous(found, maxCount);
  std::vector<NamedPlace> offered;
  offered.reserve(found.size());
  for (std::uint32_t name : found) offered.push_back(NamedPlaceAt(name));
  return offered;
}

}  // namespace tarvel
