#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/chart_state.h"

namespace tarvel {

/// Sign abbreviations by house, position or sign number.
using SignTable = std::array<std::string_view, kSignCount>;

/// The Argala positions in evaluation order; the first three are primary, the rest secondary.
inline constexpr std::array<int, 5> kArgalaPositionNumbers = {2, 4, 11, 5, 8};
inline constexpr std::size_t kPrimaryArgalaPositionCount = 3;

/// The obstruction positions in evaluation order.
inline constexpr std::array<int, 4> kObstructionPositionNumbers = {3, 10, 12, 9};

using ArgalaPositionSigns = std::array<std::string_view, kArgalaPositionNumbers.size()>;
using ObstructionPositionSigns = std::array<std::string_view, kObstructionPositionNumbers.size()>;

/// The working tables of one Argala evaluation, all by whole signs.
struct ArgalaTables {
  /// Entry n is the sign of house n + 1; entry 0 is the ascendant's sign.
  SignTable HouseSigns;
  /// Each planet's sign abbreviation as its short position text gives it.
  std::array<std::string, kPlanetCount> PlanetSignAbbrevs;
  /// Each planet's house, "1" to "12"; empty when its sign is unrecognisable.
  std::array<std::string, kPlanetCount> PlanetHouses;
  /// Per planet, the signs of its 2nd, 4th, 11th, 5th and 8th positions.
  std::array<ArgalaPositionSigns, kPlanetCount> ArgalaPositions;
  /// Per planet, the signs of its 3rd, 10th, 12th and 9th positions.
  std::array<ObstructionPositionSigns, kPlanetCount> ObstructionPositions;
};

/// The signs in house order, counted from the ascendant's sign (0 = Aries ... 11 = Pisces).
SignTable BuildHouseSigns(int ascendantSign);

/// The twelve signs counted from a planet's sign: entry 0 is that sign, entry n the sign of
/// the (n + 1)-th position. The S Node counts backward through the zodiac, all others forward.
SignTable CountedSigns(PlanetIndex planet, int sign);

/// Houses and the Argala and obstruction positions of all nine planets. An unrecognisable
/// ascendant counts the houses from Aries; a planet with an unrecognisable sign counts its
/// positions from Aries and has no house.
ArgalaTables BuildArgalaTables(std::optional<int> ascendantSign, const PlanetTable& planetSigns);

}  // namespace tarvel
