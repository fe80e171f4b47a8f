#include "positions/swiss/birth_coordinates.h"

#include <gtest/gtest.h>

#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::Birth;
using swiss_test::Place;

BirthData At(Place place) {
  return Birth({2000, 1, 1, 12, 0}, 29, false, place);
}

TEST(SignedCoordinatesTest, SouthAndWestAreNegative) {
  struct Case {
    const char* name;
    Place place;
    double latitudeDeg, longitudeDeg;
  };
  const Case cases[] = {
      {"NorthEast", {18, 58, false, 72, 49, true}, 18 + 58 / 60.0, 72 + 49 / 60.0},
      {"NorthWest", {40, 43, false, 74, 0, false}, 40 + 43 / 60.0, -74.0},
      {"SouthEast", {33, 52, true, 151, 13, true}, -(33 + 52 / 60.0), 151 + 13 / 60.0},
      {"SouthWest", {34, 36, true, 58, 22, false}, -(34 + 36 / 60.0), -(58 + 22 / 60.0)},
      {"Poles", {90, 0, true, 180, 0, false}, -90.0, -180.0},
  };
  for (const Case& c : cases) {
    const std::optional<BirthCoordinates> coordinates = SignedCoordinates(At(c.place));
    ASSERT_TRUE(coordinates.has_value()) << c.name;
    EXPECT_DOUBLE_EQ(coordinates->latitudeDeg, c.latitudeDeg) << c.name;
    EXPECT_DOUBLE_EQ(coordinates->longitudeDeg, c.longitudeDeg) << c.name;
  }
}

TEST(SignedCoordinatesTest, RefusesPlacesOffTheGlobe) {
  const Place cases[] = {
      {90, 1, false, 0, 0, true},   {91, 0, true, 0, 0, true},   {0, 0, false, 180, 1, true},
      {0, 0, false, 181, 0, false}, {10, 60, false, 0, 0, true}, {0, 0, false, 10, 60, true},
      {-1, 0, false, 0, 0, true},   {0, 0, false, 0, -1, true},
  };
  for (const Place& place : cases) {
    EXPECT_FALSE(SignedCoordinates(At(place)).has_value())
        << place.latDeg << " " << place.latMin << " " << place.lonDeg << " " << place.lonMin;
  }
}

}  // namespace
}  // namespace tarvel
