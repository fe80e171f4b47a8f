#include "positions/classic/geocentric_longitude.h"

#include <cmath>

#include "base/angles.h"
#include "positions/classic/kepler.h"
#include "positions/classic/orbital_elements.h"

namespace tarvel {

namespace {

/// Heliocentric position in the ecliptic plane, AU.
struct PlanePoint {
  double x;
  double y;
};

struct OrbitPlace {
  double radiusAu;
  double trueAnomalyRad;
};

OrbitPlace PlaceOnOrbit(const OrbitElements& elements) {
  const double e = elements.eccentricity;
  const double meanAnomaly = ReduceRadians(elements.meanLongitudeRad - elements.perihelionRad);
  const double trueAnomaly = TrueAnomaly(meanAnomaly, e);
  const double radius = (1 - e * e) * elements.semiMajorAxisAu / (e * std::cos(trueAnomaly) + 1);
  return {radius, trueAnomaly};
}

PlanePoint EarthPoint(const OrbitElements& earth) {
  const OrbitPlace place = PlaceOnOrbit(earth);
  const double angle = place.trueAnomalyRad + earth.perihelionRad;
  return {place.radiusAu * std::cos(angle), place.radiusAu * std::sin(angle)};
}

// The body's height above the ecliptic is not needed for the longitude.
PlanePoint BodyPoint(const OrbitElements& body) {
  const OrbitPlace place = PlaceOnOrbit(body);
  const double node = body.ascendingNodeRad;
  const double u = (place.trueAnomalyRad + body.perihelionRad) - node;
  const double cosI = std::cos(body.inclinationRad);
  return {place.radiusAu * (std::cos(node) * std::cos(u) - std::sin(u) * std::sin(node) * cosI),
          place.radiusAu * (std::sin(node) * std::cos(u) + std::sin(u) * std::cos(node) * cosI)};
}

double LongitudeSeenFrom(const PlanePoint& earth, int index, double daysFromJ2000) {
  // Seen from the Earth the Sun sits at the heliocentric origin.
  const PlanePoint body =
      index == EarthElements ? PlanePoint{0, 0} : BodyPoint(OrbitalElements(index, daysFromJ2000));
  double longitudeDeg = (180 / kPi) * QuadrantArcTan(body.y - earth.y, body.x - earth.x);
  while (longitudeDeg > 360) longitudeDeg -= 360;
  while (longitudeDeg < 0) longitudeDeg += 360;
  return longitudeDeg;
}

}  // namespace

double GeocentricLongitude(int index, double daysFromJ2000) {
  const PlanePoint earth = EarthPoint(OrbitalElements(EarthElements, daysFromJ2000));
  return LongitudeSeenFrom(earth, index, daysFromJ2000);
}

std::array<double, kElementSetCount> GeocentricLongitudes(double daysFromJ2000) {
  const PlanePoint earth = EarthPoint(OrbitalElements(EarthElements, daysFromJ2000));
  std::array<double, kElementSetCount> longitudes{};
  for (int index = 0; index < kElementSetCount; ++index) {
    longitudes[index] = LongitudeSeenFrom(earth, index, daysFromJ2000);
  }
  return longitudes;
}

}  // namespace tarvel
