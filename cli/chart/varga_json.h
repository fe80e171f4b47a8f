#pragma once

#include "chart/chart_result.h"
#include "cli/chart/json_writer.h"

namespace tarvel::cli {

/// Writes the value of `Varga` for a chart asked for in a varga (`chart.varga` set): its
/// factor, its name and the sign (0 = Aries) of the ascendant and of each graha in it.
void VargaJson(const ChartResult& chart, JsonWriter& json);

}  // namespace tarvel::cli
