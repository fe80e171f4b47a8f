#pragma once

#include "ephemeris/chart_state.h"

namespace tarvel {

/// Sidereal longitude in degrees of a tropical one, made sidereal with the chart's correction
/// (degrees, negative) and brought back above 0 by whole turns.
double ChartSiderealLongitude(double tropicalDeg, double chartCorrection);

/// Fills PlanetNames, GrahaNames and PlanetSigns for the nine grahas at the birth instant of
/// BirthData: the Sun and the five planets from orbital elements, the mean nodes, and the Moon
/// from MoonPosition. Needs ChartCorrection and MoonPosition of the same run.
void CalculatePlanets(ChartState& state);

}  // namespace tarvel
