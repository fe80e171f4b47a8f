#pragma once

#include <string>

#include "chart/chart_state.h"
#include "cli/chart/place_options.h"

namespace tarvel::cli {

/// The chart of the state's last calculation as one line of JSON: the birth data, the zone
/// row, every position, both Argala lists, the sign boxes and the reading as plain text (CR LF
/// line breaks kept), then the sky that computed it, every sidereal longitude in full
/// precision, what the atlas found when it found the place, and the Argala synthesis. Texts
/// are UTF-8; bytes that are not are replaced, so the output always parses.
std::string ChartJson(const ChartState& state, const std::optional<PlaceUsed>& place = {});

/// ChartJson appended to `out`, without a string of its own.
void AppendChartJson(const ChartState& state, std::string& out,
                     const std::optional<PlaceUsed>& place = {});

}  // namespace tarvel::cli
