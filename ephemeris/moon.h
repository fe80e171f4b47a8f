#pragma once

#include "ephemeris/chart_state.h"

namespace tarvel {

/// Computes the Moon's sidereal longitude at the birth instant and leaves it in
/// MoonPosition as position text; sets SignAbbrevs and DegToRad first.
void CalculateMoon(ChartState& state);

}  // namespace tarvel
