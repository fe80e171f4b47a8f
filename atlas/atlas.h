#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "atlas/indexed_place.h"
#include "atlas/place.h"

namespace tarvel {

/// A written place the atlas found.
struct ResolvedPlace {
  Place place;                 ///< the most populous of the matching places
  std::size_t matchCount = 1;  ///< how many places matched what was written, at least 1
};

/// A written place the atlas could not find.
struct UnresolvedPlace {
  std::string message;            ///< one line for the user, naming the nearest candidates
  std::vector<Place> candidates;  ///< nearest names, most populous first, at most 5
};

using PlaceResolution = std::variant<ResolvedPlace, UnresolvedPlace>;

/// The found place as the user reads it, saying how it was chosen when several matched:
/// "Springfield, Missouri, United States of America (most populous of 8 matches)".
std::string ResolutionText(const ResolvedPlace& resolved);

/// The offline atlas: cities with their coordinates and time zones, searched by name.
/// Built once (about a tenth of a second for libgeonames' cities) and then only read, so
/// one atlas may serve several threads. The caller owns it and passes it where needed.
class Atlas {
 public:
  /// Every city libgeonames holds (24,361 in Debian 12), named in the language of messages
  /// in force when it is built (LC_MESSAGES; English in the C locale). libgeonames' own
  /// query scans every city on each call (about 60 ms here, too slow while the user types),
  /// so the atlas reads them once and keeps its own sorted index of names.
  static Atlas FromGeonames();

  /// An atlas of the given places, e.g. a small list in a test. A place whose city name
  /// folds to nothing (see FoldForSearch) is left out.
  explicit Atlas(std::vector<Place> places);

  /// Number of places.
  std::size_t size() const { return places_.size(); }

  /// Places offered while the user types, most populous first, at most `maxCount`. A place
  /// is offered when a word of its city name begins with what was typed ("york" offers
  /// "New York"); case and accents do not matter. Text after a comma narrows the places to
  /// a state or country beginning so ("Paris, Tex"). Fewer than two letters of city name
  /// offer nothing.
  std::vector<Place> Complete(std::string_view typed, std::size_t maxCount = 10) const;

  /// The place a written "City", "City, Country" (or "City, State"), or "City, State,
  /// Country" names. The city name must match in full; the country may be its name, its
  /// two-letter code or a common name ("USA", "UK", "UAE"); case and accents do not
  /// matter. Where several places match, the most populous is taken and the count kept.
  PlaceResolution Resolve(std::string_view written) const;

 private:
  /// Where a word of a folded city name starts: the index is sorted by the name from there.
  struct WordStart {
    std::uint32_t place;
    std::uint32_t offset;
  };

  std::string_view KeyOf(const WordStart& start) const;
  std::vector<std::uint32_t> PlacesWithWordPrefix(std::string_view foldedPrefix) const;
  std::vector<std::uint32_t> PlacesNamed(std::string_view foldedCity) const;
  std::vector<std::uint32_t> NearestNames(std::string_view foldedCity) const;
  void KeepMostPopulous(std::vector<std::uint32_t>& indices, std::size_t maxCount) const;
  std::vector<Place> PlacesAt(const std::vector<std::uint32_t>& indices) const;

  std::vector<IndexedPlace> places_;
  std::vector<WordStart> wordStarts_;
};

}  // namespace tarvel
