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
                           const std::vector<Place>& candidates) {
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
  std::string text = DisplayText(resolved.place);
  if (resolved.matchCount > 1) {
    text += " (most populous of " + std::to_string(resolved.matchCount) + " matches)";
  }
  return text;
}

std::vector<std::uint32_t> Atlas::NearestNames(std::string_view foldedCity) const {
  std::vector<std::uint32_t> found = PlacesWithWordPrefix(foldedCity);
  const int limit = NearNameDistance(FoldedLetterCount(foldedCity));
  for (std::uint32_t i = 0; i < places_.size(); ++i) {
    const std::string& name = places_[i].foldedCity;
    const auto lengthGap = static_cast<long>(name.size()) - static_cast<long>(foldedCity.size());
    if (std::labs(lengthGap) > limit) continue;
    if (EditDistance(name, foldedCity) <= limit) found.push_back(i);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  KeepMostPopulous(found, kCandidateCount);
  return found;
}

PlaceResolution Atlas::Resolve(std::string_view writtenText) const {
  const WrittenPlace written = ReadWrittenPlace(writtenText);
  if (auto problem = FormProblem(written)) return UnresolvedPlace{*problem, {}};
  const std::string& city = written.foldedParts.front();
  std::vector<std::uint32_t> found = PlacesNamed(city);
  const bool cityKnown = !found.empty();
  std::erase_if(found, [&](std::uint32_t index) {
    return !InWrittenRegions(places_[index], written.foldedParts);
  });
  if (found.empty()) {
    std::vector<Place> candidates = PlacesAt(NearestNames(city));
    std::string message = UnknownMessage(written, cityKnown, candidates);
    return UnresolvedPlace{std::move(message), std::move(candidates)};
  }
  const std::size_t matchCount = found.size();
  KeepMostPopulous(found, 1);
  return ResolvedPlace{places_[found.front()].place, matchCount};
}

}  // namespace tarvel
