#pragma once

#include <array>
#include <string_view>

namespace tarvel {

/// The planet numbering that every per-planet table and every ordered output follows.
enum PlanetIndex : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, NNode, SNode };
inline constexpr int kPlanetCount = 9;

/// English names by planet index, as the chart, the lists and the reading show them.
/// The ascendant's name where it stands among the planets (the position list, the JSON).
inline constexpr std::string_view kAscendantName = "Ascendant";

inline constexpr std::array<std::string_view, kPlanetCount> kPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "N Node", "S Node"};

/// Sanskrit names by planet index.
inline constexpr std::array<std::string_view, kPlanetCount> kGrahaNames = {
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"};

/// The chart's short name of each planet, by planet index.
inline constexpr std::array<std::string_view, kPlanetCount> kPlanetAbbrevs = {
    "S", "Mo", "Me", "V", "Ma", "J", "Sa", "NN", "SN"};

/// The malefic group: the Sun, Mars, Saturn and both nodes; the Moon, Mercury, Venus and
/// Jupiter are benefic. The nature is fixed, whatever else the chart holds.
constexpr bool IsMalefic(PlanetIndex planet) {
  return planet == Sun || planet == Mars || planet == Saturn || planet == NNode || planet == SNode;
}

}  // namespace tarvel
