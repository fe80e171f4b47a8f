#include "atlas/zone_history.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace tarvel {
namespace {

using ::testing::HasSubstr;

struct Case {
  const char* zoneId;
  CivilTime time;
  int offsetSeconds;
  bool isDaylightSaving;
  std::optional<int> savingMinutes;
  const char* abbreviation;
  const char* standardAbbreviation;
};

// Offsets and abbreviations from the tz database's published history of each zone.
TEST(ZoneHistoryTest, OffsetAndDaylightSavingInForce) {
  const Case cases[] = {
      // India Standard Time, never daylight saving since the war.
      {"Asia/Kolkata", {1980, 3, 5, 14, 7}, 19800, false, std::nullopt, "IST", "IST"},
      {"Asia/Calcutta", {1980, 3, 5, 14, 7}, 19800, false, std::nullopt, "IST", "IST"},
      // Madras time, UTC+05:21:10, kept at Kolkata from 1870 to 1906.
      {"Asia/Kolkata", {1900, 1, 1, 12, 0}, 19270, false, std::nullopt, "MMT", "MMT"},
      // Local mean time of Kolkata, UTC+05:53:28, before 28 June 1854.
      {"Asia/Kolkata", {1850, 1, 1, 12, 0}, 21208, false, std::nullopt, "LMT", "LMT"},
      // War time in India, one hour over IST, September 1942 to October 1945.
      {"Asia/Kolkata", {1943, 1, 1, 12, 0}, 23400, true, 60, "+0630", "IST"},
      // US Eastern Daylight Time in summer 1980.
      {"America/New_York", {1980, 7, 1, 12, 0}, -14400, true, 60, "EDT", "EST"},
      // British Double Summer Time in 1941, two hours over GMT.
      {"Europe/London", {1941, 6, 1, 12, 0}, 7200, true, 120, "BDST", "GMT"},
      // British Standard Time, UTC+1 all year from 1968 to 1971: not daylight saving.
      {"Europe/London", {1970, 1, 15, 12, 0}, 3600, false, std::nullopt, "BST", "BST"},
      // Ireland: GMT in winter, Irish Standard Time in summer, counted as daylight saving.
      {"Europe/Dublin", {2000, 1, 15, 12, 0}, 0, false, std::nullopt, "GMT", "GMT"},
      {"Europe/Dublin", {2000, 7, 15, 12, 0}, 3600, true, 60, "IST", "GMT"},
      // Lord Howe Island saves half an hour: UTC+10:30 becomes UTC+11.
      {"Australia/Lord_Howe", {2020, 1, 1, 12, 0}, 39600, true, 30, "+11", "+1030"},
      // Brazil dropped daylight saving in 2019.
      {"America/Sao_Paulo", {2020, 1, 15, 12, 0}, -10800, false, std::nullopt, "-03", "-03"},
      // Nepal, UTC+05:45 since 1986.
      {"Asia/Kathmandu", {2000, 6, 1, 12, 0}, 20700, false, std::nullopt, "+0545", "+0545"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zoneId) + " " + std::to_string(c.time.year));
    const auto result = ZoneStateAt(c.zoneId, c.time);
    ASSERT_TRUE(std::holds_alternative<ZoneState>(result));
    const ZoneState& state = std::get<ZoneState>(result);
    EXPECT_EQ(state.zoneId, c.zoneId);
    EXPECT_EQ(state.localTime, c.time);
    EXPECT_EQ(state.offsetSeconds, c.offsetSeconds);
    EXPECT_EQ(state.isDaylightSaving, c.isDaylightSaving);
    EXPECT_EQ(state.daylightSavingMinutes, c.savingMinutes);
    EXPECT_EQ(state.abbreviation, c.abbreviation);
    EXPECT_EQ(state.standardAbbreviation, c.standardAbbreviation);
    EXPECT_EQ(state.kind, LocalTimeKind::Ordinary);
    EXPECT_FALSE(state.otherOffsetSeconds);
  }
}

// In 1980 the US clocks went forward at 02:00 on 27 April and back at 02:00 on 26 October.
TEST(ZoneHistoryTest, SkippedHourIsReadAsIfTheClocksHadNotYetChanged) {
  const auto result = ZoneStateAt("America/New_York", {1980, 4, 27, 2, 30});
  ASSERT_TRUE(std::holds_alternative<ZoneState>(result));
  const ZoneState& state = std::get<ZoneState>(result);
  EXPECT_EQ(state.kind, LocalTimeKind::Skipped);
  EXPECT_EQ(state.offsetSeconds, -18000);
  EXPECT_FALSE(state.isDaylightSaving);
  EXPECT_EQ(state.abbreviation, "EST");
  EXPECT_EQ(state.otherOffsetSeconds, -14400);
}

TEST(ZoneHistoryTest, RepeatedHourIsReadAsTheEarlierDaylightSavingOne) {
  const auto result = ZoneStateAt("America/New_York", {1980, 10, 26, 1, 30});
  ASSERT_TRUE(std::holds_alternative<ZoneState>(result));
  const ZoneState& state = std::get<ZoneState>(result);
  EXPECT_EQ(state.kind, LocalTimeKind::Repeated);
  EXPECT_EQ(state.offsetSeconds, -14400);
  EXPECT_TRUE(state.isDaylightSaving);
  EXPECT_EQ(state.abbreviation, "EDT");
  EXPECT_EQ(state.otherOffsetSeconds, -18000);
}

TEST(ZoneHistoryTest, UnknownZoneOrImpossibleTimeIsAnError) {
  struct Bad {
    const char* zoneId;
    CivilTime time;
    const char* inMessage;
  };
  const Bad cases[] = {
      {"Mars/Olympus_Mons", {1980, 3, 5, 14, 7}, "Mars/Olympus_Mons"},
      {"Asia/Kolkata", {1981, 2, 29, 12, 0}, "no such day"},
      {"Asia/Kolkata", {1980, 13, 1, 12, 0}, "month"},
      {"Asia/Kolkata", {1980, 4, 31, 12, 0}, "no such day"},
      {"Asia/Kolkata", {1980, 1, 1, 24, 0}, "hour"},
      {"Asia/Kolkata", {1980, 1, 1, 12, 60}, "minute"},
      {"Asia/Kolkata", {0, 1, 1, 12, 0}, "year"},
  };
  for (const Bad& c : cases) {
    const auto result = ZoneStateAt(c.zoneId, c.time);
    ASSERT_TRUE(std::holds_alternative<ZoneError>(result)) << c.inMessage;
    EXPECT_THAT(std::get<ZoneError>(result).message, HasSubstr(c.inMessage));
  }
  EXPECT_TRUE(std::holds_alternative<ZoneState>(ZoneStateAt("Asia/Kolkata", {1980, 2, 29, 0, 0})));
}

}  // namespace
}  // namespace tarvel
