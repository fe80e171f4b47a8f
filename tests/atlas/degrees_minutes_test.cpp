#include "atlas/degrees_minutes.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvel {
namespace {

struct Case {
  double angleDeg;
  DegreesMinutes expected;
};

// Mumbai, New York and São Paulo are the atlas's coordinates (geonames.org); the minutes are
// worked by hand: 0.07283 deg x 60 = 4.37', 0.88261 x 60 = 52.96', and so on.
TEST(DegreesMinutesTest, LatitudesRoundToTheNearestMinute) {
  const Case cases[] = {
      {19.07283, {19, 4, 'N'}},               // Mumbai
      {40.71427, {40, 43, 'N'}},              // New York: 42.86'
      {-23.5475, {23, 33, 'S'}},              // São Paulo: 32.85'
      {12.0 + 59.5 / 60.0, {13, 0, 'N'}},     // 59.5' rounds up into the next degree
      {12.0 + 59.4 / 60.0, {12, 59, 'N'}},    // 59.4' stays
      {10.0 + 29.5 / 60.0, {10, 30, 'N'}},    // half a minute rounds up
      {-(33.0 + 59.5 / 60.0), {34, 0, 'S'}},  // and away from the equator in the South
      {-0.004, {0, 0, 'N'}},                  // 0.24' is no minute South: the equator is North
      {-0.01, {0, 1, 'S'}},                   // 0.6'
      {90.0, {90, 0, 'N'}},
      {-90.0, {90, 0, 'S'}},
  };
  for (const Case& c : cases) {
    const auto result = LatitudeDegreesMinutes(c.angleDeg);
    ASSERT_TRUE(result) << c.angleDeg;
    EXPECT_EQ(*result, c.expected) << c.angleDeg;
  }
}

TEST(DegreesMinutesTest, LongitudesRoundToTheNearestMinute) {
  const Case cases[] = {
      {72.88261, {72, 53, 'E'}},              // Mumbai: 52.96'
      {-74.00597, {74, 0, 'W'}},              // New York: 0.36'
      {-46.63611, {46, 38, 'W'}},             // São Paulo: 38.17'
      {-(45.0 + 59.5 / 60.0), {46, 0, 'W'}},  // 59.5' rounds up into the next degree
      {4.0 + 14.5 / 60.0, {4, 15, 'E'}},      // x 60 gives 254.49999999999997
      {179.0 + 59.7 / 60.0, {180, 0, 'E'}},
      {-180.0, {180, 0, 'W'}},
      {0.0, {0, 0, 'E'}},
  };
  for (const Case& c : cases) {
    const auto result = LongitudeDegreesMinutes(c.angleDeg);
    ASSERT_TRUE(result) << c.angleDeg;
    EXPECT_EQ(*result, c.expected) << c.angleDeg;
  }
}

TEST(DegreesMinutesTest, RefusesAnglesOutOfRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(LatitudeDegreesMinutes(90.01));
  EXPECT_FALSE(LatitudeDegreesMinutes(-91.0));
  EXPECT_FALSE(LatitudeDegreesMinutes(nan));
  EXPECT_FALSE(LongitudeDegreesMinutes(180.01));
  EXPECT_FALSE(LongitudeDegreesMinutes(-200.0));
  EXPECT_FALSE(LongitudeDegreesMinutes(nan));
}

}  // namespace
}  // namespace tarvel
