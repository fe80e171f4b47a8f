#include "positions/swiss/julian_day.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7.
TEST(JulianDayUtTest, MatchesPublishedJulianDays) {
  EXPECT_DOUBLE_EQ(JulianDayUt({2000, 1, 1, 12, 0, 0}), 2451545.0);
  EXPECT_DOUBLE_EQ(JulianDayUt({1987, 1, 27, 0, 0, 0}), 2446822.5);
  EXPECT_DOUBLE_EQ(JulianDayUt({1900, 1, 1, 18, 0, 0}), 2415020.5 + 0.75);
  EXPECT_DOUBLE_EQ(JulianDayUt({2000, 1, 1, 12, 0, 36}), 2451545.0 + 36.0 / 86400);
}

}  // namespace
}  // namespace tarvel
