#pragma once

#include <array>

#include "base/birth_instant.h"
#include "base/planets.h"

namespace tarvel {

/// Sidereal longitude in degrees of a tropical one, made sidereal by adding the chart's
/// correction (degrees, minus the ayanamsa, so negative) and brought back above 0 by whole
/// turns.
double ChartSiderealLongitude(double tropicalDeg, double correctionDeg);

/// The classic sidereal longitudes at an instant of universal time, degrees in 0-360, by
/// PlanetIndex: the Sun and the five planets from orbital elements and the mean nodes, all made
/// sidereal with the chart's correction. The Moon is the ephemeris' own (see CalculateMoon); its
/// slot is 0.
std::array<double, kPlanetCount> CalculatePlanets(const CivilTime& universal,
                                                  double chartCorrection);

/// The places of CalculatePlanets with which planets move backward.
struct PlanetsInMotion {
  std::array<double, kPlanetCount> longitudes;
  /// By PlanetIndex, whether the classic longitude of each of the Sun and the five planets is
  /// decreasing: the longitude half a day later is behind the one half a day earlier. False for
  /// the Moon and the nodes.
  std::array<bool, kPlanetCount> retrograde;
};

/// CalculatePlanets with the retrograde planets. Each body's speed decides where it is clear
/// of nought; near a station its longitudes half a day either side are computed.
PlanetsInMotion CalculatePlanetsInMotion(const CivilTime& universal, double chartCorrection);

}  // namespace tarvel
