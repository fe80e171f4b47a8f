#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "atlas/former_names.h"
#include "atlas/indexed_place.h"
#include "atlas/place.h"
#include "atlas/written_place.h"

namespace tarvel {

/// A place the atlas found, with the former or alternate name that found it.
struct NamedPlace {
  Place place;
  std::string formerName;  ///< e.g. "Bombay"; empty when the city's own name found it
};

/// The place as the completer offers it: "Mumbai (Bombay), Maharashtra, India" when a
/// former name found it, else as DisplayText(Place).
std::string DisplayText(const NamedPlace& named);

/// A written place the atlas found.
struct ResolvedPlace {
  Place place;                 ///< the most populous of the matching places
  std::size_t matchCount = 1;  ///< how many places matched what was written, at least 1
  std::string formerName;      ///< the former name written ("Calcutta"), if one was
};

/// A written place the atlas could not find.
struct UnresolvedPlace {
  std::string message;            ///< one line for the user, naming the nearest candidates
  std::vector<Place> candidates;  ///< nearest names, most populous first, at most 5
};

using PlaceResolution = std::variant<ResolvedPlace, UnresolvedPlace>;

/// The found place as the user reads it, saying how it was chosen when several matched:
/// "Springfield, Missouri, United States of America (most populous of 8 matches)"; a place
/// written by a former name shows it: "Kolkata (Calcutta), State of West Bengal, India".
std::string ResolutionText(const ResolvedPlace& resolved);

/// The offline atlas: cities with their coordinates and time zones, searched by name.
/// Built once (about a tenth of a second for libgeonames' cities) and then only read, so
/// one atlas may serve several threads. The caller owns it and passes it where needed.
class Atlas {
 public:
  /// Every city libgeonames holds (24,361 in Debian 12), named in the language of messages
  /// in force when it is built (LC_MESSAGES; English in the C locale), and found by the
  /// former names of FormerNamesTable too. libgeonames' own query scans every city on each
  /// call (about 60 ms here, too slow while the user types), so the atlas reads them once
  /// and keeps its own sorted index of names.
  static Atlas FromGeonames();

  /// An atlas of the given places, e.g. a small list in a test, each found by its city name
  /// and by the former names that lead to it. A place whose city name folds to nothing (see
  /// FoldForSearch) is left out; so is a former name whose city does not resolve to exactly
  /// one place, or that is itself a city's name (see FormerNameProblems).
  explicit Atlas(std::vector<Place> places, const std::vector<FormerName>& formerNames = {});

  /// Number of places.
  std::size_t size() const { return places_.size(); }

  /// One line for each former name left out, saying why: "Bombay = Mumbay, India: no such
  /// city". Empty when every former name leads to its city.
  const std::vector<std::string>& FormerNameProblems() const { return formerNameProblems_; }

  /// Places offered while the user types, most populous first, at most `maxCount`. A place
  /// is offered when a word of its city name, or of a former name, begins with what was
  /// typed ("york" offers "New York", "bomb" Mumbai); case and accents do not matter. Text after a
  /// comma narrows the places to a state or country beginning so ("Paris, Tex"). Fewer than two
  /// letters of city name offer nothing.
  std::vector<NamedPlace> Complete(std::string_view typed, std::size_t maxCount = 10) const;

  /// The place a written "City", "City, Country" (or "City, State"), or "City, State,
  /// Country" names. The city name must match in full; the country may be its name, its
  /// two-letter code or a common name ("USA", "UK", "UAE"); case and accents do not
  /// matter. A former name stands for its city ("Calcutta, India" is Kolkata). Where several places
  /// match, the most populous is taken and the count kept.
  PlaceResolution Resolve(std::string_view written) const;

 private:
  /// A name a place is found by: its own city name (the first of names_, one per place, in
  /// the order of places_) or a former name (after them).
  struct IndexedName {
    std::uint32_t place;
    std::string folded;  ///< as FoldForSearch gives it
    std::string former;  ///< the former name as the table writes it; empty for the own name
  };

  /// Where a word of a folded name starts: the index is sorted by the name from there.
  struct WordStart {
    std::uint32_t name;
    std::uint32_t offset;
  };

  void IndexWordsFrom(std::uint32_t firstName);
  std::variant<IndexedName, std::string> FormerNameEntry(const FormerName& former) const;
  std::string_view KeyOf(const WordStart& start) const;
  std::vector<std::uint32_t> NamesWithWordPrefix(std::string_view foldedPrefix) const;
  std::vector<std::uint32_t> NamesEqualTo(std::string_view foldedName) const;
  std::vector<std::uint32_t> MatchingNames(const WrittenPlace& written) const;
  std::vector<std::uint32_t> NearestNames(std::string_view foldedCity) const;
  void KeepOnePerPlace(std::vector<std::uint32_t>& names) const;
  void KeepMostPopulous(std::vector<std::uint32_t>& names, std::size_t maxCount) const;
  const IndexedPlace& PlaceOf(std::uint32_t name) const { return places_[names_[name].place]; }
  NamedPlace NamedPlaceAt(std::uint32_t name) const;
  std::vector<Place> PlacesAt(const std::vector<std::uint32_t>& names) const;

  std::vector<IndexedPlace> places_;
  std::vector<IndexedName> names_;
  std::vector<WordStart> wordStarts_;
  std::vector<std::string> formerNameProblems_;
};

}  // namespace tarvel
