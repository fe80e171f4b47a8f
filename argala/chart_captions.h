#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// The chart's short name of each planet, by planet index.
inline constexpr std::array<std::string_view, kPlanetCount> PlanetAbbrevs = {
    "S", "Mo", "Me", "V", "Ma", "J", "Sa", "NN", "SN"};

/// Marks the ascendant's sign box.
inline constexpr std::string_view kAscendantMarker = "Asc";
/// Separates the items of one sign box.
inline constexpr std::string_view kSignItemSeparator = " / ";

/// What each sign box shows, by sign number: "Asc" first where the ascendant is, then the
/// planets' abbreviations in planet-index order. Unrecognisable signs put nothing anywhere.
std::array<std::string, kSignCount> BuildSignContents(std::optional<int> ascendantSign,
                                                      const PlanetTable& planetSigns);

/// The captions of the sign boxes, the legend and the position list.
ChartCaptions BuildChartCaptions(const ChartState& state);

}  // namespace tarvel
