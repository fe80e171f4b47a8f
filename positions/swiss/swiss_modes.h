#pragma once

#include "base/planets.h"
#include "positions/sky_settings.h"

namespace tarvel {

/// The Swiss Ephemeris sidereal mode (an SE_SIDM_ number) of an ayanamsa.
int SwissSiderealMode(AyanamsaKind ayanamsa);

/// The Swiss Ephemeris body number (an SE_ planet number) of a planet from the Sun to Rahu,
/// Rahu being the mean or the true node. Ketu has none: it is placed opposite Rahu.
int SwissBody(PlanetIndex planet, NodeKind node);

}  // namespace tarvel
