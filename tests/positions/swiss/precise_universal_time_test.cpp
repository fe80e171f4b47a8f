#include "positions/swiss/precise_universal_time.h"

#include <gtest/gtest.h>

#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::Birth;
using swiss_test::Place;

constexpr Place kMadrid{40, 25, false, 3, 42, false};
constexpr Place kMumbai{18, 58, false, 72, 49, true};

struct UtCase {
  const char* name;
  BirthData birth;
  int zoneRow;
  UtDateTime expected;
};

// The zone's own sign decides the direction, whatever side of Greenwich the place lies.
TEST(PreciseUniversalTimeTest, SubtractsTheSignedZoneAndDaylightHour) {
  const UtCase cases[] = {
      // Central European Time (1 hour ahead) at a western longitude.
      {"Madrid", Birth({1980, 2, 1, 12, 0}, 20, false, kMadrid), 20, {1980, 2, 1, 11, 0}},
      {"MumbaiIndianTime", Birth({1980, 3, 5, 14, 7}, 34, false, kMumbai), 34, {1980, 3, 5, 8, 37}},
      {"NewYorkEasternWithDaylightSaving",
       Birth({1975, 10, 15, 10, 30}, 27, true, {40, 43, false, 74, 0, false}),
       27,
       {1975, 10, 15, 14, 30}},
      {"SydneyAustralianEastern",
       Birth({2001, 6, 21, 23, 50}, 8, false, {33, 52, true, 151, 13, true}),
       8,
       {2001, 6, 21, 13, 50}},
      // Atlantic Standard Time (4 hours behind) at an eastern longitude.
      {"WestZoneEastPlace",
       Birth({1990, 5, 10, 12, 0}, 3, false, kMumbai),
       3,
       {1990, 5, 10, 16, 0}},
  };
  for (const UtCase& c : cases) {
    EXPECT_EQ(PreciseUniversalTime(c.birth, c.zoneRow), c.expected) << c.name;
  }
}

TEST(PreciseUniversalTimeTest, CarriesIntoDayMonthAndYear) {
  const UtCase cases[] = {
      {"IndianBackIntoOldYear",
       Birth({2000, 1, 1, 3, 0}, 34, false, kMumbai),
       34,
       {1999, 12, 31, 21, 30}},
      {"IndianBackIntoLeapDay",
       Birth({1992, 3, 1, 1, 0}, 34, false, kMumbai),
       34,
       {1992, 2, 29, 19, 30}},
      // 1900 is no leap year in the Gregorian calendar.
      {"IndianBackInto1900February",
       Birth({1900, 3, 1, 1, 0}, 34, false, kMumbai),
       34,
       {1900, 2, 28, 19, 30}},
      {"PacificIntoNewYear",
       Birth({1999, 12, 31, 20, 0}, 54, false, kMadrid),
       54,
       {2000, 1, 1, 4, 0}},
      {"NewfoundlandHalfHour",
       Birth({1985, 7, 15, 22, 45}, 50, false, kMadrid),
       50,
       {1985, 7, 16, 2, 15}},
      {"HawaiianHalfHour",
       Birth({1970, 4, 30, 14, 0}, 32, false, kMadrid),
       32,
       {1970, 5, 1, 0, 30}},
      {"NewZealandSummerWithDaylightSaving",
       Birth({2000, 1, 1, 10, 0}, 46, true, kMumbai),
       46,
       {1999, 12, 31, 20, 0}},
      {"GreenwichWithDaylightSaving",
       Birth({1985, 6, 1, 0, 30}, 29, true, kMadrid),
       29,
       {1985, 5, 31, 23, 30}},
      {"DayPastMonthEndRunsOn",
       Birth({1985, 4, 31, 12, 0}, 29, false, kMadrid),
       29,
       {1985, 5, 1, 12, 0}},
  };
  for (const UtCase& c : cases) {
    EXPECT_EQ(PreciseUniversalTime(c.birth, c.zoneRow), c.expected) << c.name;
  }
}

TEST(PreciseUniversalTimeTest, RefusesFieldsOutOfRange) {
  const BirthData good = Birth({1980, 2, 1, 12, 0}, 20, false, kMadrid);
  ASSERT_TRUE(PreciseUniversalTime(good, 20).has_value());
  struct Bad {
    const char* name;
    std::int16_t BirthData::*field;
    std::int16_t value;
  };
  const Bad cases[] = {
      {"Month0", &BirthData::BirthMonth, 0},     {"Month13", &BirthData::BirthMonth, 13},
      {"Day0", &BirthData::BirthDay, 0},         {"Day32", &BirthData::BirthDay, 32},
      {"Hour24", &BirthData::BirthHour, 24},     {"HourNegative", &BirthData::BirthHour, -1},
      {"Minute60", &BirthData::BirthMinute, 60},
  };
  for (const Bad& c : cases) {
    BirthData birth = good;
    birth.*c.field = c.value;
    EXPECT_FALSE(PreciseUniversalTime(birth, 20).has_value()) << c.name;
  }
  EXPECT_FALSE(PreciseUniversalTime(good, -1).has_value());
  EXPECT_FALSE(PreciseUniversalTime(good, kTimeZoneRows).has_value());
}

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (table of Julian days).
TEST(JulianDayUtTest, MatchesPublishedJulianDays) {
  struct JdCase {
    UtDateTime ut;
    double jd;
  };
  const JdCase cases[] = {
      {{2000, 1, 1, 12, 0}, 2451545.0},  {{1987, 1, 27, 0, 0}, 2446822.5},
      {{1988, 6, 19, 12, 0}, 2447332.0}, {{1900, 1, 1, 0, 0}, 2415020.5},
      {{1600, 1, 1, 0, 0}, 2305447.5},
  };
  for (const JdCase& c : cases) {
    EXPECT_DOUBLE_EQ(JulianDayUt(c.ut), c.jd) << c.ut.year;
  }
  // Minutes count as fractions of the day: 18:00 is three quarters of it.
  EXPECT_DOUBLE_EQ(JulianDayUt({2000, 1, 1, 18, 0}), 2451545.25);
}

}  // namespace
}  // namespace tarvel
