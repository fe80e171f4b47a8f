#pragma once

#include "chart/chart_result.h"
#include "cli/chart/json_writer.h"

namespace tarvel::cli {

/// Writes the value of "ArgalaSummary": the verdicts on each planet ("Planets": recipient name,
/// house, entries) and on each house ("Houses": house, sign with 0 for Aries, entries). An
/// entry holds its position, kind, casters, obstructers and verdict, names in planet order.
void ArgalaSummaryJson(const ChartResult& chart, JsonWriter& json);

}  // namespace tarvel::cli
