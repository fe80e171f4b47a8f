#pragma once

namespace tarvel {

/// Sidereal correction, degrees: the ayanamsa with its sign reversed (about -23.85 today), to
/// be added to a tropical longitude. `centuries` counts Julian centuries from J2000.0.
double Ayanamsa(double centuries);

}  // namespace tarvel
