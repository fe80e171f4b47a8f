#include "positions/classic/geocentric_longitude.h"

#include <cmath>

#include "base/angles.h"
#include "positions/classic/kepler.h"

namespace tarvel {

namespace {

/// Heliocentric position in the ecliptic plane, AU, or a velocity in AU a day.
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

/// A body's place, with what its velocity is worked out from.
struct BodyPlace {
  PlanePoint at;
  OrbitPlace orbit;
  // How x and y change, over the radius, as the body's angle from its node grows.
  PlanePoint turning;
};

BodyPlace PlaceEarth(const OrbitElements& earth) {
  const OrbitPlace place = PlaceOnOrbit(earth);
  const double angle = place.trueAnomalyRad + earth.perihelionRad;
  const double cosA = std::cos(angle);
  const double sinA = std::sin(angle);
  return {{place.radiusAu * cosA, place.radiusAu * sinA}, place, {-sinA, cosA}};
}

// The body's height above the ecliptic is not needed for the longitude.
BodyPlace PlaceBody(const OrbitElements& body) {
  const OrbitPlace place = PlaceOnOrbit(body);
  const double node = body.ascendingNodeRad;
  const double u = (place.trueAnomalyRad + body.perihelionRad) - node;
  const double cosI = std::cos(body.inclinationRad);
  const double cosNode = std::cos(node);
  const double sinNode = std::sin(node);
  const double cosU = std::cos(u);
  const double sinU = std::sin(u);
  return {{place.radiusAu * (cosNode * cosU - sinU * sinNode * cosI),
           place.radiusAu * (sinNode * cosU + sinU * cosNode * cosI)},
          place,
          {-cosNode * sinU - cosU * sinNode * cosI, -sinNode * sinU + cosU * cosNode * cosI}};
}

// The velocity of a place, AU a day: the body runs along its ellipse (Kepler's second law)
// while the perihelion and the node turn. The slow changes of the ellipse's size, shape and
// tilt move a longitude by less than 1e-6° a day and are left out.
PlanePoint Velocity(const BodyPlace& place, const OrbitElements& elements,
                    const OrbitRates& rates) {
  const double e = elements.eccentricity;
  const double root = std::sqrt(1 - e * e);
  const double meanAnomalyRate = rates.meanLongitudeRadPerDay - rates.perihelionRadPerDay;
  const double nu = place.orbit.trueAnomalyRad;
  const double along = 1 + e * std::cos(nu);
  const double trueAnomalyRate = meanAnomalyRate * along * along / (root * root * root);
  const double radiusRate =
      elements.semiMajorAxisAu * e * std::sin(nu) * meanAnomalyRate / root / place.orbit.radiusAu;
  const double fromNodeRate =
      trueAnomalyRate + rates.perihelionRadPerDay - rates.ascendingNodeRadPerDay;
  const double r = place.orbit.radiusAu;
  const double node = rates.ascendingNodeRadPerDay;
  return {radiusRate * place.at.x + r * fromNodeRate * place.turning.x - node * place.at.y,
          radiusRate * place.at.y + r * fromNodeRate * place.turning.y + node * place.at.x};
}

PlanePoint EarthVelocity(const BodyPlace& place, const OrbitElements& earth,
                         const OrbitRates& rates) {
  // The Earth's angle is counted from the equinox, so its node does not turn it.
  return Velocity(place, earth, {0, rates.perihelionRadPerDay, rates.meanLongitudeRadPerDay});
}

double LongitudeOf(const PlanePoint& earth, const PlanePoint& body) {
  double longitudeDeg = (180 / kPi) * QuadrantArcTan(body.y - earth.y, body.x - earth.x);
  while (longitudeDeg > 360) longitudeDeg -= 360;
  while (longitudeDeg < 0) longitudeDeg += 360;
  return longitudeDeg;
}

// Seen from the Earth the Sun sits at the heliocentric origin.
double LongitudeSeenFrom(const PlanePoint& earth, int index, double daysFromJ2000) {
  const PlanePoint body = index == EarthElements
                              ? PlanePoint{0, 0}
                              : PlaceBody(OrbitalElements(index, daysFromJ2000)).at;
  return LongitudeOf(earth, body);
}

// How fast the direction from the Earth to the body turns, degrees a day.
double TurningRate(const PlanePoint& earth, const PlanePoint& earthVelocity, const PlanePoint& body,
                   const PlanePoint& bodyVelocity) {
  const double x = body.x - earth.x;
  const double y = body.y - earth.y;
  const double vx = bodyVelocity.x - earthVelocity.x;
  const double vy = bodyVelocity.y - earthVelocity.y;
  return (180 / kPi) * (x * vy - y * vx) / (x * x + y * y);
}

}  // namespace

double GeocentricLongitude(int index, double daysFromJ2000) {
  const PlanePoint earth = PlaceEarth(OrbitalElements(EarthElements, daysFromJ2000)).at;
  return LongitudeSeenFrom(earth, index, daysFromJ2000);
}

std::array<double, kElementSetCount> GeocentricLongitudes(double daysFromJ2000) {
  const PlanePoint earth = PlaceEarth(OrbitalElements(EarthElements, daysFromJ2000)).at;
  std::array<double, kElementSetCount> longitudes{};
  for (int index = 0; index < kElementSetCount; ++index) {
    longitudes[index] = LongitudeSeenFrom(earth, index, daysFromJ2000);
  }
  return longitudes;
}

std::array<GeocentricMotion, kElementSetCount> GeocentricMotions(double daysFromJ2000) {
  const OrbitElements earthElements = OrbitalElements(EarthElements, daysFromJ2000);
  const BodyPlace earth = PlaceEarth(earthElements);
  const PlanePoint earthVelocity = EarthVelocity(earth, earthElements, OrbitalRates(EarthElements));
  std::array<GeocentricMotion, kElementSetCount> motions{};
  for (int index = 0; index < kElementSetCount; ++index) {
    if (index == EarthElements) {
      motions[index] = {LongitudeOf(earth.at, {0, 0}),
                        TurningRate(earth.at, earthVelocity, {0, 0}, {0, 0})};
      continue;
    }
    const OrbitElements elements = OrbitalElements(index, daysFromJ2000);
    const BodyPlace body = PlaceBody(elements);
    motions[index] = {LongitudeOf(earth.at, body.at),
                      TurningRate(earth.at, earthVelocity, body.at,
                                  Velocity(body, elements, OrbitalRates(index)))};
  }
  return motions;
}

}  // namespace tarvel
