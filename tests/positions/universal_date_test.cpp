#include "positions/universal_date.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

BirthData Birth(CivilTime local, int zoneHours, int zoneMinutes, bool isEast, bool isDst) {
  BirthData birth;
  birth.BirthYear = static_cast<std::int16_t>(local.year);
  birth.BirthMonth = static_cast<std::int16_t>(local.month);
  birth.BirthDay = static_cast<std::int16_t>(local.day);
  birth.BirthHour = static_cast<std::int16_t>(local.hour);
  birth.BirthMinute = static_cast<std::int16_t>(local.minute);
  birth.ZoneHours = static_cast<std::int16_t>(zoneHours);
  birth.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  birth.LonDeg = 30;
  birth.IsEast = ToFlag16(isEast);
  birth.IsDST = ToFlag16(isDst);
  return birth;
}

struct ShiftCase {
  const char* name;
  BirthData birth;
  CivilTime expected;
};

TEST(UniversalDateTimeTest, ZoneAndDaylightSavingCarryIntoTheCalendar) {
  const ShiftCase cases[] = {
      {"EastIntoFebruary", Birth({1990, 3, 1, 1, 0}, 5, 30, true, false), {1990, 2, 28, 19, 30}},
      {"EastIntoLeapDay", Birth({1992, 3, 1, 1, 0}, 5, 30, true, false), {1992, 2, 29, 19, 30}},
      {"EastBackBefore1900", Birth({1900, 1, 1, 0, 30}, 5, 30, true, false), {1899, 12, 31, 19, 0}},
      {"WestIntoNewYear", Birth({1999, 12, 31, 22, 0}, 5, 0, false, false), {2000, 1, 1, 3, 0}},
      {"WestWithDaylightSaving",
       Birth({1990, 10, 15, 10, 30}, 5, 0, false, true),
       {1990, 10, 15, 14, 30}},
      {"EastWithDaylightSaving", Birth({2010, 7, 1, 2, 0}, 2, 0, true, true), {2010, 6, 30, 23, 0}},
      {"EastMidnight", Birth({1947, 8, 15, 0, 0}, 5, 30, true, false), {1947, 8, 14, 18, 30}},
      {"Greenwich", Birth({2000, 1, 1, 12, 0}, 0, 0, false, false), {2000, 1, 1, 12, 0}},
  };
  for (const ShiftCase& c : cases) {
    EXPECT_EQ(UniversalDateTime(c.birth), c.expected) << c.name;
  }
}

TEST(UniversalDateTimeTest, ZeroLongitudeFollowsTheWestRule) {
  BirthData birth = Birth({2000, 6, 1, 12, 0}, 1, 0, true, true);
  birth.LonDeg = 0;
  // West at longitude 0: zone 1 hour less the daylight hour, so universal time is 12:00.
  EXPECT_EQ(UniversalDateTime(birth), (CivilTime{2000, 6, 1, 12, 0}));
}

}  // namespace
}  // namespace tarvel
