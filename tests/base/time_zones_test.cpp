#include "base/time_zones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace tarvel {
namespace {

// The text a row shows must agree with the columns the program reads: the second field is
// the abbreviation, the third the hours behind universal time, with any fraction (".5", or
// ".3" in the odd style of Indian Time) standing for half an hour and "#" for whole hours.
TEST(TimeZonesTest, EveryRowsTextAgreesWithItsAbbreviationAndOffset) {
  for (int row = 0; row < kTimeZoneRows; ++row) {
    const TimeZoneRow& zone = kTimeZones[row];
    const std::string name(zone.name);
    const std::size_t first = name.find(',');
    const std::size_t second = name.find(',', first + 1);
    ASSERT_NE(second, std::string::npos) << name;
    std::string abbreviation = name.substr(first + 1, second - first - 1);
    std::erase(abbreviation, ' ');
    EXPECT_EQ(zone.abbreviation, abbreviation) << row;
    const double hours = std::strtod(name.c_str() + second + 1, nullptr);
    EXPECT_EQ(zone.hours, static_cast<int>(hours)) << name;
    const bool half = hours != std::trunc(hours);
    EXPECT_EQ(zone.minutes, half ? (hours < 0 ? -30 : 30) : 0) << name;
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

// Offsets of the civil zones as the world keeps them, ahead of universal time.
TEST(TimeZonesTest, OffsetAheadOfUniversalTimeIsTheZonesCivilOffset) {
  struct Zone {
    int row;
    int minutesAhead;
  };
  const Zone zones[] = {
      {34, 330},   // Indian Time, UTC+05:30
      {50, -210},  // Newfoundland, UTC-03:30
      {29, 0},     // GMT
      {6, 570},    // Australian Central Standard Time, UTC+09:30
      {38, 540},   // Japan, UTC+09:00
      {27, -300},  // Eastern Standard Time, UTC-05:00
      {54, -480},  // Pacific Standard Time, UTC-08:00
      {20, 60},    // Central European Time, UTC+01:00
  };
  for (const Zone& zone : zones) {
    EXPECT_EQ(MinutesAheadOfUniversalTime(kTimeZones[zone.row]), zone.minutesAhead)
        << kTimeZones[zone.row].name;
  }
}

}  // namespace
}  // namespace tarvel
