#pragma once

#include "ephemeris/chart_state.h"

namespace tarvel {

/// Fills PlanetNames, GrahaNames and PlanetSigns for the nine grahas.
void CalculatePlanets(ChartState& state);

}  // namespace tarvel
