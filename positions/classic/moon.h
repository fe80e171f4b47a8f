#pragma once

#include "positions/classic/classic_instant.h"

namespace tarvel {

/// The Moon's sidereal longitude at the birth instant, degrees in 0-360: its tropical longitude
/// from the lunar series, made sidereal with the ephemeris' own ayanamsa.
double CalculateMoon(const ClassicInstant& instant);

}  // namespace tarvel
