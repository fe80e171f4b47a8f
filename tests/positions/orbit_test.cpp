#include <gtest/gtest.h>

#include "base/angles.h"
#include "positions/days_from_j2000.h"
#include "positions/geocentric_longitude.h"
#include "positions/kepler.h"
#include "positions/orbital_elements.h"

namespace tarvel {
namespace {

constexpr double kDegToRadLiteral = 0.0174532925199433;

TEST(OrbitalElementsTest, AtJ2000TheElementsAreTheTableBases) {
  const OrbitElements mars = OrbitalElements(MarsElements, 0);
  EXPECT_EQ(mars.semiMajorAxisAu, 1.52366231);
  EXPECT_EQ(mars.eccentricity, 0.09341233);
  EXPECT_DOUBLE_EQ(mars.inclinationRad, kDegToRadLiteral * 1.85061);
  EXPECT_DOUBLE_EQ(mars.ascendingNodeRad, kDegToRadLiteral * 49.57854);
  EXPECT_DOUBLE_EQ(mars.perihelionRad, kDegToRadLiteral * 336.04084);
  EXPECT_DOUBLE_EQ(mars.meanLongitudeRad, kDegToRadLiteral * 355.45332);
}

TEST(OrbitalElementsTest, OneCenturyOnAddsTheRates) {
  const OrbitElements venus = OrbitalElements(VenusElements, 36525);
  EXPECT_NEAR(venus.semiMajorAxisAu, 0.72333291, 1e-15);
  EXPECT_NEAR(venus.eccentricity, 0.00672385, 1e-15);
  EXPECT_NEAR(venus.inclinationRad, kDegToRadLiteral * (3.39471 - 2.86 / 3600), 1e-15);
  EXPECT_NEAR(venus.perihelionRad, kDegToRadLiteral * (131.53298 - 108.80 / 3600), 1e-14);
  // The Earth's node is negative and is not reduced.
  const OrbitElements earth = OrbitalElements(EarthElements, 36525);
  EXPECT_NEAR(earth.ascendingNodeRad, kDegToRadLiteral * (-11.26064 - 18228.25 / 3600), 1e-14);
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
