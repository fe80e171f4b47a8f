#pragma once

#include <array>
#include <string>
#include <string_view>

#include "argala/argala.h"

namespace tarvel {

/// Marks the ascendant's sign box.
inline constexpr std::string_view kAscendantMarker = "Asc";
/// Separates the items of one sign box.
inline constexpr std::string_view kSignItemSeparator = " / ";

/// The texts of the Rasi chart and its position list, by control array and index.
struct ChartCaptions {
  std::array<std::string, kSignCount> lblSign;                ///< sign boxes, by sign number
  std::array<std::string, kPlanetCount> lblPlanet;            ///< legend lines
  std::array<std::string, kPlanetCount> lblPlanets_Name;      ///< position list: names
  std::array<std::string, kPlanetCount> lblPlanets_Position;  ///< position list: short positions
  std::string ascendantName;      ///< a last line of the position list; empty when not shown
  std::string ascendantPosition;  ///< the ascendant's short position; empty when not shown
  bool operator==(const ChartCaptions&) const = default;
};

/// What a sign box shows: "Asc" first where the ascendant is, then the abbreviations of the
/// planets in it in planet-index order, e.g. "Asc / S / Me"; empty for an empty sign.
std::string SignBoxText(const ChartSigns& signs, int sign);

/// Calls `piece(text)` for each piece of what a sign box holding the ascendant (or not) and
/// `planets` shows, in order (SignBoxText joins them): views of constants, for writers that make
/// every box's text once.
template <typename Piece>
void ForEachPieceOfOccupants(bool ascendant, PlanetSet planets, Piece piece) {
  bool first = true;
  const auto item = [&](std::string_view text) {
    if (!first) piece(kSignItemSeparator);
    piece(text);
    first = false;
  };
  if (ascendant) item(kAscendantMarker);
  ForEachPlanetIn(planets, [&](PlanetIndex planet) { item(kPlanetAbbrevs[planet]); });
}

/// A legend line: abbreviation, English and Sanskrit name, e.g. "S/Sun/Surya".
std::string LegendText(PlanetIndex planet);

/// Every caption of a chart, from its signs and the planets' sidereal longitudes in degrees.
ChartCaptions BuildChartCaptions(const ChartSigns& signs,
                                 const std::array<double, kPlanetCount>& grahaDeg);

}  // namespace tarvel
