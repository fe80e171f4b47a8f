// The speed decides which planets move backward only where it cannot disagree with the
// longitudes half a day either side; this holds it to them on stations and on random instants.
#include <gtest/gtest.h>

#include <random>

#include "positions/classic/planet_longitudes.h"

namespace tarvel {
namespace {

constexpr long long kHalfDaySeconds = 12 * 3600;

// The rule itself: the longitude half a day later behind the one half a day earlier.
std::array<bool, kPlanetCount> ByHalfDays(const CivilTime& universal) {
  const auto before = CalculatePlanets(ShiftSeconds(universal, -kHalfDaySeconds), 0);
  const auto after = CalculatePlanets(ShiftSeconds(universal, kHalfDaySeconds), 0);
  std::array<bool, kPlanetCount> backward{};
  for (const PlanetIndex p : {Sun, Mercury, Venus, Mars, Jupiter, Saturn}) {
    const double motion = after[p] - before[p];
    backward[p] = motion < 0 ? motion > -180 : motion > 180;
  }
  return backward;
}

void ExpectSameAsHalfDays(const CivilTime& universal) {
  EXPECT_EQ(CalculatePlanetsInMotion(universal, 0).retrograde, ByHalfDays(universal))
      << universal.year << "-" << universal.month << "-" << universal.day << " " << universal.hour
      << ":" << universal.minute;
}

// Every station of 2023 in the classic sky, found day by day, then crossed ten minutes at a
// time: where the speed is too near nought to tell, the longitudes must decide.
TEST(PlanetMotionTest, StationsCrossedTenMinutesAtATime) {
  const CivilTime newYear{2023, 1, 1, 0, 0, 0};
  int stations = 0;
  auto yesterday = ByHalfDays(newYear);
  for (int day = 1; day <= 365; ++day) {
    const CivilTime noon = ShiftSeconds(newYear, day * 2 * kHalfDaySeconds);
    const auto today = ByHalfDays(noon);
    if (today == yesterday) continue;
    ++stations;
    for (long long minutes = -36 * 60; minutes <= 12 * 60; minutes += 10) {
      ExpectSameAsHalfDays(ShiftSeconds(noon, minutes * 60));
    }
    yesterday = today;
  }
  EXPECT_GE(stations, 12);  // four of Mercury's, two each of the others but Venus and Mars
}

TEST(PlanetMotionTest, RandomInstantsFrom1900To2050) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<long long> seconds(0, 151LL * 365 * 24 * 3600);
  for (int i = 0; i < 2000; ++i) {
    ExpectSameAsHalfDays(ShiftSeconds(CivilTime{1900, 1, 1, 0, 0, 0}, seconds(random)));
  }
}

}  // namespace
}  // namespace tarvel
