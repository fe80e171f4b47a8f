#pragma once

#include <array>
#include <string>
#include <string_view>

#include "argala/argala.h"
#include "dasha/nakshatra.h"
#include "document/box_items.h"

namespace tarvel {

/// One body's row of the position list as the chart card draws it, column by column.
struct ListRow {
  std::string position;     ///< the short position in the sky, e.g. "27 Lib 36"; empty if hidden
  std::string vargaSign;    ///< the sign in the varga shown, e.g. "Gem"; empty in the Rasi chart
  std::string nakshatra;    ///< e.g. "Uttara Ashadha"; empty when not known
  std::string padaAndLord;  ///< e.g. "pada 1, lord Sun"; empty when not known
  bool operator==(const ListRow&) const = default;
};

/// The texts of the Rasi chart and its position list, by control array and index.
struct ChartCaptions {
  std::array<std::string, kSignCount> lblSign;      ///< sign boxes as one line each, by sign number
  std::array<std::string, kPlanetCount> lblPlanet;  ///< legend lines
  std::array<std::string, kPlanetCount> lblPlanets_Name;      ///< position list: names
  std::array<std::string, kPlanetCount> lblPlanets_Position;  ///< position list: short positions
  std::string ascendantName;      ///< a last line of the position list; empty when not shown
  std::string ascendantPosition;  ///< the ascendant's short position; empty when not shown
  /// The position list as the chart card draws it, in columns under their headings; the
  /// text outputs show `lblPlanets_Position`, one text a planet.
  std::array<ListRow, kPlanetCount> planetRows{};
  ListRow ascendantRow{};          ///< its position only where `ascendantPosition` is shown
  std::string vargaHeading{};      ///< the varga column's, e.g. "D9"; empty in the Rasi chart
  std::string nakshatraHeading{};  ///< "Nakshatra" or "Rasi nakshatra"; empty when not known
  /// What each sign box holds, item by item, by sign number: `lblSign` is its text.
  std::array<BoxItems, kSignCount> signItems{};
  /// Captions are equal when they show the same texts: the items are `lblSign` item by item,
  /// and a box's text names each item's point, degrees and mark.
  bool operator==(const ChartCaptions& other) const {
    return lblSign == other.lblSign && lblPlanet == other.lblPlanet &&
           lblPlanets_Name == other.lblPlanets_Name &&
           lblPlanets_Position == other.lblPlanets_Position &&
           ascendantName == other.ascendantName && ascendantPosition == other.ascendantPosition &&
           planetRows == other.planetRows && ascendantRow == other.ascendantRow &&
           vargaHeading == other.vargaHeading && nakshatraHeading == other.nakshatraHeading;
  }
};

/// The items of a sign's box (0 = Aries) without degrees or marks: "Asc" where the ascendant
/// stands, then the planets' abbreviations.
BoxItems SignBoxItems(const ChartSigns& signs, int sign);

/// What a sign box shows as one line, e.g. "Asc / S / Me"; empty for an empty sign.
std::string SignBoxText(const ChartSigns& signs, int sign);

/// A legend line: abbreviation, English and Sanskrit name, e.g. "S/Sun/Surya".
std::string LegendText(PlanetIndex planet);

/// The position list's nakshatra column from a chart's nakshatras; `inVarga` heads it as the
/// Rasi chart's.
void AddNakshatras(ChartCaptions& captions, const ChartNakshatras& nakshatras, bool inVarga);

/// Every caption of a chart, from its signs and the planets' sidereal longitudes in degrees.
ChartCaptions BuildChartCaptions(const ChartSigns& signs,
                                 const std::array<double, kPlanetCount>& grahaDeg);

}  // namespace tarvel
