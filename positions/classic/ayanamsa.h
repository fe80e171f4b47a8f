#pragma once

namespace tarvel {

/// The Moon's sidereal correction, degrees: minus the ayanamsa (about -23.85 today), to be
/// added to a tropical longitude. `centuriesSinceJ2000` counts Julian centuries from J2000.0.
double SiderealCorrectionDeg(double centuriesSinceJ2000);

}  // namespace tarvel
