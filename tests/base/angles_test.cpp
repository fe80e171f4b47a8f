#include "base/angles.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct ArcTanCase {
  double y;
  double x;
  double expectedRad;
};

TEST(QuadrantArcTanTest, GivesTheAngleOfThePointInEveryQuadrantAndOnTheAxes) {
  const ArcTanCase cases[] = {
      {1, 0, kPi / 2},
      {-1, 0, -kPi / 2},
      {0, 0, 0},
      {1, -1, 3 * kPi / 4},
      {-1, -1, -3 * kPi / 4},
      {1, 1, kPi / 4},
      {-1, 1, -kPi / 4},
      {0, 2, 0},
      {3, 0, kPi / 2},
      {1, -3, kPi - 0.32175055439664219340},  // atan(1/3)
  };
  for (const ArcTanCase& c : cases) {
    EXPECT_NEAR(QuadrantArcTan(c.y, c.x), c.expectedRad, 1e-12) << c.y << ", " << c.x;
  }
}

TEST(QuadrantArcTanTest, PointOnTheNegativeXAxisPointsBackwards) {
  EXPECT_DOUBLE_EQ(QuadrantArcTan(0, -1), kPi);
  EXPECT_DOUBLE_EQ(QuadrantArcTan(0, -1e-9), kPi);
}

TEST(WrapOnceTest, MovesByOneTurnAtMost) {
  EXPECT_DOUBLE_EQ(WrapOnce(-10), 350);
  EXPECT_DOUBLE_EQ(WrapOnce(370), 10);
  EXPECT_DOUBLE_EQ(WrapOnce(360), 360);
  EXPECT_DOUBLE_EQ(WrapOnce(0), 0);
  EXPECT_DOUBLE_EQ(WrapOnce(123.5), 123.5);
  EXPECT_DOUBLE_EQ(WrapOnce(730), 370);
  EXPECT_DOUBLE_EQ(WrapOnce(-370), -10);
  EXPECT_NEAR(WrapOnce(10 + -23.85), 346.15, 1e-12);
}

TEST(ReduceRadiansTest, BringsAnyAngleIntoOneTurn) {
  EXPECT_NEAR(ReduceRadians(-1), 5.28318530717958, 1e-14);
  EXPECT_NEAR(ReduceRadians(7), 0.7168146928, 1e-10);
  EXPECT_NEAR(ReduceRadians(3), 3, 1e-15);
  EXPECT_NEAR(ReduceRadians(-7), 2 * kTwoPi - 7, 1e-14);
  EXPECT_NEAR(ReduceRadians(100 * kTwoPi + 0.25), 0.25, 1e-12);
}

TEST(ReduceRadiansTest, WholeTurnsGiveZero) {
  EXPECT_EQ(ReduceRadians(0), 0);
  EXPECT_EQ(ReduceRadians(kTwoPi), 0);
  EXPECT_EQ(ReduceRadians(-kTwoPi), 0);
  EXPECT_EQ(ReduceRadians(-4 * kTwoPi), 0);
}

}  // namespace
}  // namespace tarvel
