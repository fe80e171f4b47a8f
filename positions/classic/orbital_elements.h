#pragma once

namespace tarvel {

/// The bodies of the orbital-element table; the Earth's set also places the Sun.
enum ElementSet : int {
  MercuryElements,
  VenusElements,
  EarthElements,
  MarsElements,
  JupiterElements,
  SaturnElements
};
inline constexpr int kElementSetCount = 6;

/// Mean elements of one body at one instant, referred to the ecliptic and equinox of J2000.0.
struct OrbitElements {
  double semiMajorAxisAu;
  double eccentricity;
  double inclinationRad;
  double ascendingNodeRad;  ///< longitude of the ascending node
  double perihelionRad;     ///< longitude of perihelion
  double meanLongitudeRad;  ///< reduced into 0 to 2π
};

/// The elements of a body (index 0-5, see ElementSet) at a number of days from J2000.0. The
/// angles are not reduced, except the mean longitude.
OrbitElements OrbitalElements(int index, double daysFromJ2000);

/// How fast a body's angles turn, in radians a day: the table's rates, which are constant.
struct OrbitRates {
  double ascendingNodeRadPerDay;
  double perihelionRadPerDay;
  double meanLongitudeRadPerDay;
};

/// The rates of a body (index 0-5, see ElementSet).
OrbitRates OrbitalRates(int index);

}  // namespace tarvel
