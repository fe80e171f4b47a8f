#pragma once

#include "chart/chart_result.h"
#include "cli/chart/json_text.h"

namespace tarvel::cli {

/// Writes the `Varga` member of a chart asked for in a varga: its factor, its name and the
/// sign (0 = Aries) of the ascendant and of each graha in it. A chart asked for in no varga
/// writes nothing.
void VargaJson(const ChartResult& chart, JsonText& json);

}  // namespace tarvel::cli
