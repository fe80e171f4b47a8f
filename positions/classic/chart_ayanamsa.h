#pragma once

namespace tarvel {

/// The chart's sidereal correction in degrees: minus the ayanamsa, so negative, to be added to a
/// tropical longitude. For centuries of 36525 days counted from day number 2415020.0 (1900
/// January 0.5). Applied to the ascendant, the Sun, the planets and the nodes; the Moon uses
/// its own (SiderealCorrectionDeg).
double ChartSiderealCorrectionDeg(double centuriesSince1900);

}  // namespace tarvel
