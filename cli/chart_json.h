#pragma once

#include <string>

#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel::cli {

/// The chart as one line of JSON: the birth data, the zone row, every position, both Argala
/// lists, the sign boxes and the reading as plain text (CR LF line breaks kept). Texts are
/// UTF-8; bytes that are not are replaced, so the output always parses.
std::string ChartJson(const ChartState& state, int zoneRow, const Reading& reading);

/// ChartJson appended to `out`, without a string of its own.
void AppendChartJson(const ChartState& state, int zoneRow, const Reading& reading,
                     std::string& out);

}  // namespace tarvel::cli
