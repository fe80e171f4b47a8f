#pragma once

#include "chart/chart_result.h"
#include "cli/chart/dasha_options.h"
#include "cli/chart/json_writer.h"

namespace tarvel::cli {

/// The nakshatras of the ascendant and the grahas, in the order of the longitudes, from the
/// Rasi longitudes whichever varga the chart shows: [{"Body", "Nakshatra", "Number", "Pada",
/// "Lord"}, ...].
void NakshatrasJson(const ChartResult& chart, JsonWriter& json);

/// The Vimshottari periods from the Rasi Moon: {"System", "YearDays", "BalanceDays",
/// "Periods": [{"Lord", "Start", "End", "Periods": [...]}, ...]}, the nine mahadashas from the
/// one the birth falls in, each as deep as asked, times in universal time to the second.
void DashaJson(const ChartResult& chart, const DashaRequest& request, JsonWriter& json);

}  // namespace tarvel::cli
