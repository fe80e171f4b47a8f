#pragma once

#include <array>

#include "positions/classic/orbital_elements.h"

namespace tarvel {

/// Geocentric ecliptic longitude in degrees (0 to 360 inclusive), tropical and geometric, of
/// the body of an element set (0-5, see ElementSet; the Earth's set 2 gives the Sun) at a
/// number of days from J2000.0. Both the body and the Earth move on fixed Kepler ellipses; the
/// Earth's orbit is taken to lie in the ecliptic.
double GeocentricLongitude(int index, double daysFromJ2000);

/// GeocentricLongitude of every element set at once, by ElementSet; the Earth's place is
/// computed only once.
std::array<double, kElementSetCount> GeocentricLongitudes(double daysFromJ2000);

/// A body seen from the Earth: its longitude as GeocentricLongitude gives it, and how fast it
/// changes, in degrees a day, negative while the body moves backward.
struct GeocentricMotion {
  double longitudeDeg;
  double degPerDay;
};

/// GeocentricLongitudes with each body's speed, by ElementSet.
std::array<GeocentricMotion, kElementSetCount> GeocentricMotions(double daysFromJ2000);

}  // namespace tarvel
