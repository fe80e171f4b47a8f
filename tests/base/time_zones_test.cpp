#include "base/time_zones.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvel {
namespace {

TEST(TimeZonesTest, RowsHoldTheirTextAndSignedOffset) {
  struct Row {
    int row;
    const char* name;
    int hours, minutes;
  };
  const Row rows[] = {
      {0, "Alaska/Hawaii Daylight Time,AHDT,9.0", 9, 0},
      {5, "Australian Central Daylight Time,ACDT,-10.5", -10, -30},
      {11, "Azores Time, AT, 2#", 2, 0},
      {12, "Baghdad Time, BAT, -3#", -3, 0},
      {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
      {31, "Hawaiian Daylight Time,HDT,9.5", 9, 30},
      {34, "Indian Time, IST, -5.3", -5, -30},
      {35, "Int'l Date Line East,IDLE,-12.0", -12, 0},
      {46, "New Zealand Std Summer Time,NZST,-13.0", -13, 0},
      {50, "Newfoundland Standard Time,NST,3.5", 3, 30},
      {52, "North Sumatra Time,NST,-6.5", -6, -30},
      {56, "South Australia Daylight Time,SAD,-10.5", -10, -30},
      {57, "South Australia Daylight Time,SDT,-10.5", -10, -30},
      {61, "Universal Time, UT, 0#", 0, 0},
      {70, "Yukon War Time,YWT,8.0", 8, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(kTimeZones[r.row].name, r.name) << r.row;
    EXPECT_EQ(kTimeZones[r.row].hours, r.hours) << r.row;
    EXPECT_EQ(kTimeZones[r.row].minutes, r.minutes) << r.row;
  }
}

// Minutes are 0, 30 or -30 and carry the sign of the hours; every row has a text.
TEST(TimeZonesTest, EveryRowIsWellFormed) {
  ASSERT_EQ(kTimeZones.size(), 71u);
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const int hours = kTimeZones[row].hours;
    const int minutes = kTimeZones[row].minutes;
    EXPECT_FALSE(kTimeZones[row].name.empty()) << row;
    EXPECT_TRUE(minutes == 0 || minutes == 30 || minutes == -30) << row;
    if (minutes != 0) {
      EXPECT_EQ(minutes > 0, hours > 0) << row;
    }
    EXPECT_LE(std::abs(hours), 13) << row;
  }
}

TEST(TimeZonesTest, OffsetAheadOfUniversalTimeReversesTheTablesSign) {
  EXPECT_EQ(MinutesAheadOfUniversalTime(kTimeZones[34]), 330);   // Indian Time
  EXPECT_EQ(MinutesAheadOfUniversalTime(kTimeZones[50]), -210);  // Newfoundland
  EXPECT_EQ(MinutesAheadOfUniversalTime(kTimeZones[29]), 0);     // GMT
}

}  // namespace
}  // namespace tarvel
