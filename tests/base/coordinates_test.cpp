#include "base/coordinates.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(CoordinatesTest, SouthAndWestAreNegativeWhateverTheMinutes) {
  struct Case {
    int latDeg, latMin;
    bool south;
    int lonDeg, lonMin;
    bool east;
    double northDeg, eastDeg;
  };
  const Case cases[] = {
      {40, 43, false, 74, 0, false, 40 + 43 / 60.0, -74},
      {40, 43, true, 77, 30, true, -(40 + 43 / 60.0), 77.5},
      {0, 30, true, 0, 30, false, -0.5, -0.5},
      {90, 0, false, 180, 0, true, 90, 180},
  };
  for (const Case& c : cases) {
    BirthData birth;
    birth.LatDeg = static_cast<std::int16_t>(c.latDeg);
    birth.LatMin = static_cast<std::int16_t>(c.latMin);
    birth.IsSouth = ToFlag16(c.south);
    birth.LonDeg = static_cast<std::int16_t>(c.lonDeg);
    birth.LonMin = static_cast<std::int16_t>(c.lonMin);
    birth.IsEast = ToFlag16(c.east);
    EXPECT_DOUBLE_EQ(LatitudeNorthDeg(birth), c.northDeg) << c.latDeg << ":" << c.latMin;
    EXPECT_DOUBLE_EQ(LongitudeEastDeg(birth), c.eastDeg) << c.lonDeg << ":" << c.lonMin;
  }
}

}  // namespace
}  // namespace tarvel
