#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"
#include "positions/classic/days_from_j2000.h"
#include "positions/classic/geocentric_longitude.h"
#include "positions/classic/kepler.h"
#include "positions/classic/orbital_elements.h"

namespace tarvel {
namespace {

constexpr double kDegToRadLiteral = 0.0174532925199433;

// The planets' orbits at J2000 as almanacs round them: semi-major axis (AU), eccentricity and
// inclination to the ecliptic (degrees).
TEST(OrbitalElementsTest, AtJ2000TheOrbitsAreThePlanetsOwn) {
  struct Orbit {
    ElementSet set;
    double au, eccentricity, inclinationDeg;
  };
  const Orbit orbits[] = {
      {MercuryElements, 0.387, 0.2056, 7.005}, {VenusElements, 0.723, 0.0068, 3.395},
      {EarthElements, 1.000, 0.0167, 0.000},   {MarsElements, 1.524, 0.0934, 1.850},
      {JupiterElements, 5.203, 0.0484, 1.305}, {SaturnElements, 9.537, 0.0542, 2.485},
  };
  for (const Orbit& orbit : orbits) {
    const OrbitElements elements = OrbitalElements(orbit.set, 0);
    EXPECT_NEAR(elements.semiMajorAxisAu, orbit.au, 0.0005) << orbit.set;
    EXPECT_NEAR(elements.eccentricity, orbit.eccentricity, 0.0001) << orbit.set;
    EXPECT_NEAR(elements.inclinationRad / kDegToRadLiteral, orbit.inclinationDeg, 0.005)
        << orbit.set;
  }
}

// Kepler's third law ties each mean motion to its axis: n = k / a^1.5 with Gauss's constant k
// (radians a day); the planets' own masses and perturbations leave less than 0.1 percent.
TEST(OrbitalElementsTest, MeanMotionFollowsKeplersThirdLaw) {
  constexpr double kGaussRadPerDay = 0.01720209895;
  constexpr double kDays = 10;
  for (int set = 0; set < kElementSetCount; ++set) {
    const OrbitElements start = OrbitalElements(set, 0);
    double travelledRad = OrbitalElements(set, kDays).meanLongitudeRad - start.meanLongitudeRad;
    if (travelledRad < 0) travelledRad += kTwoPi;
    const double keplerRad = kDays * kGaussRadPerDay / std::pow(start.semiMajorAxisAu, 1.5);
    EXPECT_NEAR(travelledRad / keplerRad, 1, 0.001) << set;
  }
}

// The rates are per Julian century and the angles' rates in arc-seconds: every element but the
// mean longitude moves linearly, and Mercury's perihelion moves its famous 574" a century
// against the fixed equinox of J2000. The Earth's node is negative and is not reduced.
TEST(OrbitalElementsTest, ElementsMoveLinearlyAtTheirCentennialRates) {
  constexpr double kCentury = 36525;
  for (int set = 0; set < kElementSetCount; ++set) {
    const OrbitElements e0 = OrbitalElements(set, 0);
    const OrbitElements e1 = OrbitalElements(set, kCentury);
    const OrbitElements e2 = OrbitalElements(set, 2 * kCentury);
    for (double OrbitElements::*element :
         {&OrbitElements::semiMajorAxisAu, &OrbitElements::eccentricity,
          &OrbitElements::inclinationRad, &OrbitElements::ascendingNodeRad,
          &OrbitElements::perihelionRad}) {
      EXPECT_NEAR(e2.*element - e1.*element, e1.*element - e0.*element, 1e-12) << set;
    }
  }
  const double mercuryArcSec = (OrbitalElements(MercuryElements, kCentury).perihelionRad -
                                OrbitalElements(MercuryElements, 0).perihelionRad) /
                               kDegToRadLiteral * 3600;
  EXPECT_NEAR(mercuryArcSec, 574, 1);
  EXPECT_LT(OrbitalElements(EarthElements, kCentury).ascendingNodeRad, 0);
}

TEST(OrbitalElementsTest, OnlyTheMeanLongitudeIsReduced) {
  // Mercury gains 538101628.29" a century: 149472.6745 degrees; with the base, 415 turns and 324.93
  // degrees.
  const OrbitElements mercury = OrbitalElements(MercuryElements, 36525);
  const double meanLongitudeDeg = 252.25084 + 538101628.29 / 3600 - 415 * 360;
  EXPECT_NEAR(mercury.meanLongitudeRad, kDegToRadLiteral * meanLongitudeDeg, 1e-9);
  EXPECT_GE(mercury.meanLongitudeRad, 0);
  EXPECT_LT(mercury.meanLongitudeRad, kTwoPi);
}

TEST(TrueAnomalyTest, ReferenceValueAndNewtonSteps) {
  const KeplerSolution solution = SolveKepler(1.0, 0.2);
  EXPECT_NEAR(solution.trueAnomalyRad, 1.3793207953, 1e-10);
  EXPECT_EQ(solution.newtonSteps, 3);
  EXPECT_EQ(TrueAnomaly(1.0, 0.2), solution.trueAnomalyRad);
}

TEST(TrueAnomalyTest, ZeroMeanAnomalyGivesZeroForEveryTableEccentricity) {
  for (int index = 0; index < kElementSetCount; ++index) {
    const double e = OrbitalElements(index, 0).eccentricity;
    const KeplerSolution solution = SolveKepler(0, e);
    EXPECT_EQ(solution.trueAnomalyRad, 0) << index;
    EXPECT_EQ(solution.newtonSteps, 1) << index;
  }
}

TEST(TrueAnomalyTest, CircularOrbitKeepsTheMeanAnomaly) {
  EXPECT_NEAR(TrueAnomaly(2.0, 0), 2.0, 1e-14);
  // Beyond half a turn the angle comes back into 0 to 2π.
  EXPECT_NEAR(TrueAnomaly(4.0, 0), 4.0, 1e-14);
}

TEST(TrueAnomalyTest, MeanAnomalyJustBelowAFullTurnStaysBelowIt) {
  const double anomaly = TrueAnomaly(kTwoPi - 0.01, 0.2);
  EXPECT_GT(anomaly, kPi);
  EXPECT_LT(anomaly, kTwoPi);
}

struct LongitudeCase {
  ElementSet body;
  double atJ2000;
  double at1990;
};

TEST(GeocentricLongitudeTest, ReferenceLongitudes) {
  const LongitudeCase cases[] = {
      {EarthElements, 280.3796320, 202.1055850},  {MercuryElements, 271.9060244, 197.4335779},
      {VenusElements, 241.5780684, 197.7400488},  {MarsElements, 327.9828017, 74.5019391},
      {JupiterElements, 25.3611344, 130.5765897}, {SaturnElements, 40.2146616, 289.1537400},
  };
  const double days1990 = DaysFromJ2000({1990, 10, 15, 14, 30, 0});
  for (const LongitudeCase& c : cases) {
    EXPECT_NEAR(GeocentricLongitude(c.body, 0), c.atJ2000, 1e-7) << c.body;
    EXPECT_NEAR(GeocentricLongitude(c.body, days1990), c.at1990, 1e-7) << c.body;
  }
}

TEST(GeocentricLongitudeTest, StaysWithinOneTurnOverTheCenturies) {
  for (int index = 0; index < kElementSetCount; ++index) {
    for (double days = -40000; days <= 40000; days += 997) {
      const double longitude = GeocentricLongitude(index, days);
      EXPECT_GE(longitude, 0) << index << " " << days;
      EXPECT_LE(longitude, 360) << index << " " << days;
    }
  }
}

}  // namespace
}  // namespace tarvel
