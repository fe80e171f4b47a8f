#include "positions/classic/classic_instant.h"

#include <gtest/gtest.h>

#include "tests/support/zone_rows.h"

namespace tarvel {
namespace {

struct Place {
  int lonDeg;
  bool isEast;
};

BirthData Birth(int hour, int minute, int zoneHours, int zoneMinutes, Place place, bool isDst) {
  BirthData birth;
  birth.BirthMonth = 1;
  birth.BirthDay = 1;
  birth.BirthYear = 2000;
  birth.BirthHour = static_cast<std::int16_t>(hour);
  birth.BirthMinute = static_cast<std::int16_t>(minute);
  birth.ZoneHours = static_cast<std::int16_t>(zoneHours);
  birth.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  birth.LonDeg = static_cast<std::int16_t>(place.lonDeg);
  birth.IsEast = ToFlag16(place.isEast);
  birth.IsDST = ToFlag16(isDst);
  return birth;
}

// The classic count of a birth on the row that agrees with its longitude.
ClassicInstant UniversalTime(const BirthData& birth) {
  return ClassicInstantOf(
      *InstantOf(birth, RowZone(testing::RowAgreeingWithLongitude(birth))).instant);
}

constexpr Place kEast{77, true};
constexpr Place kWest{77, false};
constexpr Place kGreenwichEast{0, true};
constexpr Place kGreenwichWest{0, false};

struct UtCase {
  const char* name;
  BirthData birth;
  double utHours;
};

class UniversalTimeTest : public ::testing::TestWithParam<UtCase> {};

TEST_P(UniversalTimeTest, AppliesTheZoneAndDaylightSaving) {
  const ClassicInstant instant = UniversalTime(GetParam().birth);
  EXPECT_DOUBLE_EQ(instant.utHours, GetParam().utHours);
  EXPECT_EQ(instant.dayNumber, 2451545);
}

INSTANTIATE_TEST_SUITE_P(
    ZonesAndDaylightSaving, UniversalTimeTest,
    ::testing::Values(UtCase{"Noon", Birth(12, 0, 0, 0, kGreenwichWest, false), 12},
                      UtCase{"East", Birth(10, 0, 5, 30, kEast, false), 4.5},
                      UtCase{"EastDst", Birth(10, 0, 5, 30, kEast, true), 3.5},
                      UtCase{"West", Birth(10, 0, 5, 0, kWest, false), 15},
                      UtCase{"WestDst", Birth(10, 0, 5, 0, kWest, true), 14},
                      UtCase{"ZeroEast", Birth(10, 0, 5, 0, kGreenwichEast, false), 15},
                      UtCase{"ZeroEastDst", Birth(10, 0, 5, 0, kGreenwichEast, true), 14},
                      UtCase{"GreenwichDst", Birth(12, 0, 0, 0, kGreenwichWest, true), 11},
                      UtCase{"GreenwichEastDst", Birth(12, 0, 0, 0, kGreenwichEast, true), 11},
                      UtCase{"LateEast", Birth(23, 30, 5, 30, kEast, false), 18},
                      UtCase{"EarlyWest", Birth(1, 0, 8, 0, kWest, false), 9},
                      UtCase{"NegativeUt", Birth(1, 0, 10, 0, kEast, false), -9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClassicInstantTest, ClockTimeAddsMinutesAsFractionOfAnHour) {
  EXPECT_DOUBLE_EQ(UniversalTime(Birth(10, 30, 0, 0, kWest, false)).utHours, 10.5);
  EXPECT_DOUBLE_EQ(UniversalTime(Birth(23, 45, 0, 0, kWest, false)).utHours, 23.75);
}

TEST(ClassicInstantTest, UsesTheDayNumberOfTheCivilDate) {
  BirthData birth = Birth(0, 0, 5, 30, kEast, false);
  birth.BirthMonth = 8;
  birth.BirthDay = 15;
  birth.BirthYear = 1947;
  const ClassicInstant instant = UniversalTime(birth);
  // The day stays the civil one even though universal time falls on the day before.
  EXPECT_EQ(instant.dayNumber, 2432413);
  EXPECT_DOUBLE_EQ(instant.utHours, -5.5);
}

// Madrid, 3°42' W, keeps Central European Time (row 20), one hour ahead of universal time
// though West of Greenwich: noon on 1 February 1980 is 11:00 UT, on the civil day.
TEST(UniversalTimeTest, AWestPlaceOnAClockAheadOfUtKeepsItsZonesDirection) {
  BirthData madrid = Birth(12, 0, 1, 0, {3, false}, false);
  madrid.LonMin = 42;
  madrid.BirthMonth = 2;
  madrid.BirthYear = 1980;
  const ClassicInstant instant = ClassicInstantOf(*InstantOf(madrid, RowZone(20)).instant);
  EXPECT_DOUBLE_EQ(instant.utHours, 11);
  EXPECT_EQ(instant.dayNumber, 2444271);
}

}  // namespace
}  // namespace tarvel
