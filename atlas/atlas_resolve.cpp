#include "atlas/atlas.h"

#include <algorithm>
#include <optional>
#include <string>

#include "atlas/nearest_names.h"
#include "atlas/search_text.h"
#include "atlas/written_place.h"

namespace tarvel {
namespace {

constexpr std::size_t kCandidateCount = 5;
constexpr std::size_t kCandidatesInMessage = 3;

// "City, X" reads X as a country or a state, whichever the place has: "Atlanta, Georgia"
// and "Tbilisi, Georgia" both resolve. "City, State, Country" needs both.
bool InWrittenRegions(const IndexedPlace& entry, const std::vector<std::string>& foldedParts) {
  if (foldedParts.size() == 2) {
    const std::string& region = foldedParts[1];
    return region.empty() || StateMatches(entry, region, false) ||
           CountryMatches(entry, region, false);
  }
  if (foldedParts.size() == 3) {
    const std::string& state = foldedParts[1];
    const std::string& country = foldedParts[2];
    return (state.empty() || StateMatches(entry, state, false)) &&
           (country.empty() || CountryMatches(entry, country, false));
  }
  return true;
}

std::optional<std::string> FormProblem(const WrittenPlace& written) {
  if (written.foldedParts.front().empty()) {
    return "Write the city first, e.g. \"Mumbai, India\"";
  }
  if (written.parts.size() > 3) {
    return "Write at most \"City, State, Country\"";
  }
  return std::nullopt;
}

std::string UnknownMessage(const WrittenPlace& written, bool cityKnown,
                           const std::vector<NamedPlace>& candidates) {
  std::string message = "No place called \"" + written.parts.front() + "\"";
  if (cityKnown) {
    std::string regions = written.parts[1];
    if (written.parts.size() == 3) regions += ", " + written.parts[2];
    message += " in \"" + regions + "\"";
  } else {
    message += " in the atlas";
  }
  if (candidates.empty()) return message + "; no similar name either";
  message += "; nearest: ";
  for (std::size_t i = 0; i < candidates.size() && i < kCandidatesInMessage; ++i) {
    if (i > 0) message += "; ";
    message += DisplayText(candidates[i]);
  }
  return message;
}

}  // namespace

std::string ResolutionText(const ResolvedPlace& resolved) {
  std::string text = DisplayText(NamedPlace{resolved.place, resolved.formerName});
  if (resolved.matchCount > 1) {
    text += " (most populous of " + std::to_string(resolved.matchCount) + " matches)";
  }
  return text;
}

std::vector<std::uint32_t> Atlas::NearestNames(std::string_view foldedCity) const {
  std::vector<std::uint32_t> found = NamesWithWordPrefix(foldedCity);
  const int limit = NearNameDistance(FoldedLetterCount(foldedCity));
  for (std::uint32_t i = 0; i < names_.size(); ++i) {
    const std::string& name = names_[i].folded;
    const auto lengthGap = static_cast<long>(name.size()) - static_cast<long>(foldedCity.size());
    if (std::labs(lengthGap) > limit) continue;
    if (EditDistance(name, foldedCity) <= limit) found.push_back(i);
  }
  KeepOnePerPlace(found);
  KeepMostPopulous(found, kCandidateCount);
  return found;
}

std::vector<std::uint32_t> Atlas::MatchingNames(const WrittenPlace& written) const {
  std::vector<std::uint32_t> found = NamesEqualTo(written.foldedParts.front());
  std::erase_if(found, [&](std::uint32_t name) {
    return !InWrittenRegions(PlaceOf(name), written.foldedParts);
  });
  KeepOnePerPlace(found);
  return found;
}

PlaceResolution Atlas::Resolve(std::string_view writtenText) const {
  const WrittenPlace written = ReadWrittenPlace(writtenText);
  if (auto problem = FormProblem(written)) return UnresolvedPlace{*problem, {}};
  std::vector<std::uint32_t> found = MatchingNames(written);
  if (found.empty()) {
    const std::string& city = written.foldedParts.front();
    const std::vector<std::uint32_t> nearest = NearestNames(city);
    std::vector<NamedPlace> named;
    for (std::uint32_t name : nearest) named.push_back(NamedPlaceAt(name));
    std::string message = UnknownMessage(written, !NamesEqualTo(city).empty(), named);
    return UnresolvedPlace{std::move(message), PlacesAt(nearest)};
  }
  const std::size_t matchCount = found.size();
  KeepMostPopulous(found, 1);
  const NamedPlace taken = NamedPlaceAt(found.front());
  return ResolvedPlace{taken.place, matchCount, taken.formerName};
}

std::variant<Atlas::IndexedName, std::string> Atlas::FormerNameEntry(
    const FormerName& former) const {
  const std::string why = former.name + " = " + former.city + ": ";
  const std::string folded = FoldForSearch(former.name);
  if (folded.empty()) return why + "the name has no letters";
  // A city of that name keeps it: Salisbury in England is not Harare.
  if (!NamesEqualTo(folded).empty()) return why + "a city of the atlas has that name";
  const WrittenPlace written = ReadWrittenPlace(former.city);
  if (FormProblem(written)) return why + "not written as \"City, Region\"";
  const std::vector<std::uint32_t> found = MatchingNames(written);
  if (found.size() != 1) return why + std::to_string(found.size()) + " cities match";
  return IndexedName{names_[found.front()].place, folded, former.name};
}

}  // namespace tarvel
