#pragma once

#include <array>
#include <string_view>

#include "base/planets.h"

namespace tarvel {

/// The twelve sidereal signs, three letters each, Aries first.
inline constexpr std::string_view kSignAbbrevs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
inline constexpr int kSignCount = 12;
inline constexpr int kSignAbbrevLength = 3;

/// The signs' full English names, by sign number (0 = Aries).
inline constexpr std::array<std::string_view, kSignCount> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

/// The planet that rules each sign, by sign number (0 = Aries): the seven visible planets'
/// classical rulerships.
inline constexpr std::array<PlanetIndex, kSignCount> kSignLords = {
    Mars, Venus, Mercury, Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Saturn, Jupiter};

/// The sign `steps` signs after `sign` (before it when negative), 0 (Aries) to 11 (Pisces).
constexpr int SignAfter(int sign, int steps) {
  const int at = (sign + steps) % kSignCount;  // -11 to 11
  return at < 0 ? at + kSignCount : at;
}

/// The three-letter abbreviation of a sign, 0 (Aries) to 11 (Pisces); any other number wraps
/// around the zodiac.
constexpr std::string_view SignAbbrev(int sign) {
  return kSignAbbrevs.substr(static_cast<std::size_t>(SignAfter(sign, 0) * kSignAbbrevLength),
                             kSignAbbrevLength);
}

}  // namespace tarvel
