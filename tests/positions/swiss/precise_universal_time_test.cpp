#include "positions/swiss/precise_universal_time.h"

#include <gtest/gtest.h>

#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::Birth;

constexpr swiss_test::Place kMadrid{40, 25, false, 3, 42, false};
constexpr swiss_test::Place kMumbai{18, 58, false, 72, 49, true};

// The zone's own sign decides the direction, whatever side of Greenwich the place lies.
TEST(PreciseUniversalTimeTest, SubtractsTheSignedZoneAndDaylightHourAcrossTheCalendar) {
  struct Case {
    const char* name;
    CivilTime local;
    int zoneRow;
    bool dst;
    swiss_test::Place place;
    CivilTime expected;
  };
  const Case cases[] = {
      {"MadridCentralEuropean", {1980, 2, 1, 12, 0}, 20, false, kMadrid, {1980, 2, 1, 11, 0}},
      {"MumbaiIndian", {1980, 3, 5, 14, 7}, 34, false, kMumbai, {1980, 3, 5, 8, 37}},
      {"NewYorkEasternDaylight", {1975, 10, 15, 10, 30}, 27, true, kMadrid, {1975, 10, 15, 14, 30}},
      {"SydneyAustralianEastern", {2001, 6, 21, 23, 50}, 8, false, kMumbai, {2001, 6, 21, 13, 50}},
      {"AtlanticZoneEastPlace", {1990, 5, 10, 12, 0}, 3, false, kMumbai, {1990, 5, 10, 16, 0}},
      {"BackIntoOldYear", {2000, 1, 1, 3, 0}, 34, false, kMumbai, {1999, 12, 31, 21, 30}},
      {"BackIntoLeapDay", {1992, 3, 1, 1, 0}, 34, false, kMumbai, {1992, 2, 29, 19, 30}},
      {"NoLeapDayIn1900", {1900, 3, 1, 1, 0}, 34, false, kMumbai, {1900, 2, 28, 19, 30}},
      {"PacificIntoNewYear", {1999, 12, 31, 20, 0}, 54, false, kMadrid, {2000, 1, 1, 4, 0}},
      {"NewfoundlandHalfHour", {1985, 7, 15, 22, 45}, 50, false, kMadrid, {1985, 7, 16, 2, 15}},
      {"GreenwichDaylight", {1985, 6, 1, 0, 30}, 29, true, kMadrid, {1985, 5, 31, 23, 30}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreciseUniversalTime(Birth(c.local, c.zoneRow, c.dst, c.place), c.zoneRow),
              c.expected)
        << c.name;
  }
}

TEST(PreciseUniversalTimeTest, RefusesFieldsOutOfRange) {
  const BirthData good = Birth({1980, 2, 1, 12, 0}, 20, false, kMadrid);
  ASSERT_TRUE(PreciseUniversalTime(good, 20).has_value());
  struct Bounds {
    std::int16_t BirthData::*field;
    std::int16_t below, above;
  };
  for (const Bounds& b :
       {Bounds{&BirthData::BirthMonth, 0, 13}, Bounds{&BirthData::BirthDay, 0, 32},
        Bounds{&BirthData::BirthHour, -1, 24}, Bounds{&BirthData::BirthMinute, -1, 60}}) {
    for (std::int16_t value : {b.below, b.above}) {
      BirthData birth = good;
      birth.*b.field = value;
      EXPECT_FALSE(PreciseUniversalTime(birth, 20).has_value()) << value;
    }
  }
  EXPECT_FALSE(PreciseUniversalTime(good, -1).has_value());
  EXPECT_FALSE(PreciseUniversalTime(good, kTimeZoneRows).has_value());
}

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7.
TEST(JulianDayUtTest, MatchesPublishedJulianDays) {
  EXPECT_DOUBLE_EQ(JulianDayUt({2000, 1, 1, 12, 0}), 2451545.0);
  EXPECT_DOUBLE_EQ(JulianDayUt({1987, 1, 27, 0, 0}), 2446822.5);
  EXPECT_DOUBLE_EQ(JulianDayUt({1900, 1, 1, 18, 0}), 2415020.5 + 0.75);
}

}  // namespace
}  // namespace tarvel
