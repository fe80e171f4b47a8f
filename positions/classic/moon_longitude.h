#pragma once

namespace tarvel {

/// The Moon's tropical geocentric longitude, degrees in 0-360 (360 itself is kept), from the
/// first 25 periodic terms of ELP-2000/82 with mean elements linear in `centuries` (Julian
/// centuries from J2000.0).
double MoonLongitude(double centuries);

/// Sidereal longitude, degrees in 0-360: a tropical longitude in 0-360 plus the sidereal
/// correction (negative since the ayanamsa's zero year), brought back by one turn when it falls
/// below 0 or reaches 360.
double SiderealLongitude(double tropicalDeg, double correctionDeg);

}  // namespace tarvel
