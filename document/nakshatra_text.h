#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/chart_result.h"
#include "dasha/nakshatra.h"

namespace tarvel {

/// The heading of the nakshatras beside a position list and in a box's note; in a varga, whose
/// own signs they do not follow, they are the Rasi chart's.
inline constexpr std::string_view kNakshatraHeading = "Nakshatra";
inline constexpr std::string_view kRasiNakshatraHeading = "Rasi nakshatra";

/// A point's nakshatra with the names the chart gives it.
struct NakshatraEntry {
  std::string_view body;  ///< "Ascendant" or the planet's name, e.g. "N Node"
  std::string_view name;  ///< e.g. "Anuradha"
  int number = 1;         ///< 1 (Ashwini) to 27 (Revati)
  int pada = 1;           ///< 1 to 4
  std::string_view lord;  ///< its Vimshottari lord as the chart names planets, e.g. "Saturn"
  bool operator==(const NakshatraEntry&) const = default;
};

/// The nakshatra of a point named `body` at a sidereal longitude in degrees.
NakshatraEntry NakshatraEntryOf(std::string_view body, double longitudeDeg);

/// The nakshatras of a chart's ascendant, then of its grahas in planet order, from the Rasi
/// longitudes whichever varga it shows.
std::array<NakshatraEntry, kPlanetCount + 1> NakshatraEntries(const ChartResult& chart);

/// A nakshatra's pada and lord as the window's list gives them under its name, e.g. "pada 1,
/// lord Sun". Inline: the painter measures the widest of them with no compiled code of the
/// document.
inline std::string PadaAndLordText(int pada, std::string_view lord) {
  return "pada " + std::to_string(pada) + ", lord " + std::string(lord);
}

/// A point's nakshatra on one line: "Anuradha, pada 3, lord Saturn".
std::string NakshatraText(const NakshatraEntry& entry);

}  // namespace tarvel
