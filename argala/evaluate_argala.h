#pragma once

#include "argala/result_view.h"
#include "ephemeris/chart_state.h"

namespace tarvel {

/// Derives houses, Argala and Virodhargala from the chart state, then writes the chart and
/// the reading to the view and brings the result view to the front.
void EvaluateArgala(ChartState& state, ResultView& view);

}  // namespace tarvel
