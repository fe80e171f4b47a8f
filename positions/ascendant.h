#pragma once

#include "ephemeris/chart_state.h"

namespace tarvel {

/// Computes ChartCorrection and the sidereal ascendant (AscendantPosition, position text).
void CalculateAscendant(ChartState& state);

}  // namespace tarvel
