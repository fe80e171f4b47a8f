#include "base/birth_instant.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/time_zones.h"
#include "tests/support/form_birth.h"

namespace tarvel {
namespace {

using testing::Place;

constexpr Place kMadrid{40, 25, false, 3, 42, false};
constexpr Place kMumbai{18, 58, false, 72, 49, true};
constexpr Place kWest30{0, 0, false, 30, 0, false};
constexpr Place kEast30{0, 0, false, 30, 0, true};
constexpr Place kLondon{51, 30, false, 0, 7, false};
constexpr Place kTonga{21, 8, true, 175, 12, false};

BirthData Birth(CivilTime local, int zoneRow, bool dst, Place place) {
  return testing::FormBirth(local, zoneRow, dst, place);
}

struct InstantCase {
  const char* name;
  CivilTime local;
  int zoneRow;
  bool dst;
  Place place;
  CivilTime universal;
  int offsetSeconds;
};

// Rows: 20 Central European, 34 Indian, 27 Eastern Standard, 8 Australian Eastern Standard,
// 3 Atlantic Standard, 54 Pacific Standard, 50 Newfoundland, 29 Greenwich, 26 Eastern European,
// 67 West Africa, 16 British Summer, 35 Date Line East.
const InstantCase kCases[] = {
    {"MadridCentralEuropean", {1980, 2, 1, 12, 0}, 20, false, kMadrid, {1980, 2, 1, 11, 0}, 3600},
    // West of Greenwich on a clock ahead of universal time: British Summer Time.
    {"LondonSummerWest", {1980, 6, 1, 12, 0}, 16, false, kLondon, {1980, 6, 1, 11, 0}, 3600},
    // Across the date line: a clock twelve hours ahead at 175°W.
    {"TongaDateLine", {2000, 1, 1, 6, 0}, 35, false, kTonga, {1999, 12, 31, 18, 0}, 43200},
    {"MumbaiIndian", {1980, 3, 5, 14, 7}, 34, false, kMumbai, {1980, 3, 5, 8, 37}, 19800},
    {"NewYorkEasternDaylight",
     {1975, 10, 15, 10, 30},
     27,
     true,
     kMadrid,
     {1975, 10, 15, 14, 30},
     -14400},
    {"SydneyAustralianEastern",
     {2001, 6, 21, 23, 50},
     8,
     false,
     kMumbai,
     {2001, 6, 21, 13, 50},
     36000},
    {"AtlanticZoneEastPlace",
     {1990, 5, 10, 12, 0},
     3,
     false,
     kMumbai,
     {1990, 5, 10, 16, 0},
     -14400},
    {"BackIntoOldYear", {2000, 1, 1, 3, 0}, 34, false, kMumbai, {1999, 12, 31, 21, 30}, 19800},
    {"BackIntoLeapDay", {1992, 3, 1, 1, 0}, 34, false, kMumbai, {1992, 2, 29, 19, 30}, 19800},
    {"NoLeapDayIn1900", {1900, 3, 1, 1, 0}, 34, false, kMumbai, {1900, 2, 28, 19, 30}, 19800},
    {"PacificIntoNewYear", {1999, 12, 31, 20, 0}, 54, false, kMadrid, {2000, 1, 1, 4, 0}, -28800},
    {"NewfoundlandHalfHour",
     {1985, 7, 15, 22, 45},
     50,
     false,
     kMadrid,
     {1985, 7, 16, 2, 15},
     -12600},
    {"GreenwichDaylight", {1985, 6, 1, 0, 30}, 29, true, kMadrid, {1985, 5, 31, 23, 30}, 3600},
    {"EastIntoFebruary", {1990, 3, 1, 1, 0}, 34, false, kEast30, {1990, 2, 28, 19, 30}, 19800},
    {"EastBackBefore1900", {1900, 1, 1, 0, 30}, 34, false, kEast30, {1899, 12, 31, 19, 0}, 19800},
    {"WestIntoNewYear", {1999, 12, 31, 22, 0}, 27, false, kWest30, {2000, 1, 1, 3, 0}, -18000},
    {"WestWithDaylightSaving",
     {1990, 10, 15, 10, 30},
     27,
     true,
     kWest30,
     {1990, 10, 15, 14, 30},
     -14400},
    {"EastWithDaylightSaving", {2010, 7, 1, 2, 0}, 26, true, kEast30, {2010, 6, 30, 23, 0}, 10800},
    {"EastMidnight", {1947, 8, 15, 0, 0}, 34, false, kEast30, {1947, 8, 14, 18, 30}, 19800},
    // One hour behind universal time, less the daylight hour, whichever side of Greenwich.
    {"ZeroLongitudeIsWest",
     {2000, 6, 1, 12, 0},
     67,
     true,
     {0, 0, false, 0, 0, true},
     {2000, 6, 1, 12, 0},
     0},
    // A day past the month's end runs on into the next month.
    {"ThirtyFirstOfApril", {1990, 4, 31, 12, 0}, 29, false, kWest30, {1990, 5, 1, 12, 0}, 0},
    {"ThirtyFirstOfFebruary", {2001, 2, 31, 6, 0}, 29, false, kWest30, {2001, 3, 3, 6, 0}, 0},
    {"ThirtyFirstOfAprilBackADay",
     {1990, 4, 31, 1, 0},
     34,
     false,
     kMumbai,
     {1990, 4, 30, 19, 30},
     19800},
    {"LeapYearsThirtyFirstOfFebruary",
     {2000, 2, 31, 6, 0},
     29,
     false,
     kWest30,
     {2000, 3, 2, 6, 0},
     0},
    {"NoTwentyNinthOfFebruaryIn1900",
     {1900, 2, 29, 0, 0},
     29,
     false,
     kWest30,
     {1900, 3, 1, 0, 0},
     0},
};

TEST(BirthInstantTest, TheZoneAndDaylightSavingCarryIntoTheCalendar) {
  for (const InstantCase& c : kCases) {
    const InstantResult result =
        InstantOf(Birth(c.local, c.zoneRow, c.dst, c.place), RowZone(c.zoneRow));
    ASSERT_TRUE(result.instant.has_value()) << c.name << ": " << result.error;
    EXPECT_EQ(UniversalCivilTime(*result.instant), c.universal) << c.name;
    EXPECT_EQ(result.instant->offsetSeconds, c.offsetSeconds) << c.name;
  }
}

TEST(BirthInstantTest, CoordinatesAreSignedNorthAndEastPositive) {
  const BirthData mumbai = Birth({1980, 3, 5, 14, 7}, 34, false, kMumbai);
  BirthData south = Birth({1980, 3, 5, 14, 7}, 34, false, {33, 52, true, 151, 13, true});
  const BirthInstant east = *InstantOf(mumbai, RowZone(34)).instant;
  EXPECT_DOUBLE_EQ(east.latitudeDeg, 18 + 58 / 60.0);
  EXPECT_DOUBLE_EQ(east.longitudeDeg, 72 + 49 / 60.0);
  const BirthInstant sydney = *InstantOf(south, RowZone(34)).instant;
  EXPECT_DOUBLE_EQ(sydney.latitudeDeg, -(33 + 52 / 60.0));
  const BirthInstant madrid =
      *InstantOf(Birth({1980, 2, 1, 12, 0}, 20, false, kMadrid), RowZone(20)).instant;
  EXPECT_DOUBLE_EQ(madrid.longitudeDeg, -(3 + 42 / 60.0));
  EXPECT_EQ(LocalCivilTime(madrid), (CivilTime{1980, 2, 1, 12, 0}));
}

TEST(BirthInstantTest, RefusesFieldsOutOfRange) {
  const BirthData good = Birth({1980, 2, 1, 12, 0}, 20, false, kMadrid);
  ASSERT_TRUE(InstantOf(good, RowZone(20)).instant.has_value());
  struct Bounds {
    std::int16_t BirthData::*field;
    std::int16_t below, above;
  };
  for (const Bounds& b :
       {Bounds{&BirthData::BirthMonth, 0, 13}, Bounds{&BirthData::BirthDay, 0, 32},
        Bounds{&BirthData::BirthHour, -1, 24}, Bounds{&BirthData::BirthMinute, -1, 60},
        Bounds{&BirthData::BirthYear, 0, 10000}, Bounds{&BirthData::LatDeg, -1, 91},
        Bounds{&BirthData::LonDeg, -1, 181}, Bounds{&BirthData::LonMin, -1, 60}}) {
    for (std::int16_t value : {b.below, b.above}) {
      BirthData birth = good;
      birth.*b.field = value;
      const InstantResult result = InstantOf(birth, RowZone(20));
      EXPECT_FALSE(result.instant.has_value()) << value;
      EXPECT_NE(result.error, "");
    }
  }
  EXPECT_FALSE(InstantOf(good, RowZone(-1)).instant.has_value());
  EXPECT_FALSE(InstantOf(good, RowZone(kTimeZoneRows)).instant.has_value());
}

}  // namespace
}  // namespace tarvel
