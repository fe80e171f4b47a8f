#include "atlas/zone_row.h"

#include "atlas/zone_decision.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

namespace tarvel {
namespace {

using ::testing::HasSubstr;

ZoneState StateAt(const char* zoneId, const CivilTime& time) {
  const auto result = ZoneStateAt(zoneId, time);
  EXPECT_TRUE(std::holds_alternative<ZoneState>(result)) << zoneId;
  return std::holds_alternative<ZoneState>(result) ? std::get<ZoneState>(result) : ZoneState{};
}

struct Case {
  const char* zoneId;
  CivilTime time;
  int row;
  bool ticked;
};

// Each row follows from the list and the zone's published offset: e.g. New York in summer
// 1980 is UTC-04:00 with daylight saving, so a row of UTC-05:00 with the box, and of the
// three (Central Daylight, Central War, Eastern Standard) the one abbreviated EST.
TEST(ZoneRowTest, RowAndBoxGiveTheOffsetInForce) {
  const Case cases[] = {
      {"Asia/Kolkata", {1980, 3, 5, 14, 7}, 34, false},     // Indian Time, IST
      {"America/New_York", {1980, 7, 1, 12, 0}, 27, true},  // Eastern Standard Time + box
      {"Europe/London",
       {1941, 6, 1, 12, 0},
       16,
       true},  // double summer time: 2 hours       // British Summer Time + box
      {"Europe/London", {1970, 1, 15, 12, 0}, 16, false},     // BST as standard time
      {"Europe/Dublin", {2000, 7, 15, 12, 0}, 29, true},      // GMT + box
      {"Europe/Madrid", {1980, 7, 1, 12, 0}, 20, true},       // Central European Time + box
      {"Asia/Kolkata", {1943, 1, 1, 12, 0}, 34, true},        // war time: IST + box
      {"Europe/Moscow", {2012, 1, 1, 12, 0}, 63, false},      // UTC+4 all year: USSR Zone 3
      {"Australia/Lord_Howe", {2020, 1, 1, 12, 0}, 8, true},  // UTC+11: AEST + box
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zoneId) + " " + std::to_string(c.time.year));
    const ZoneState state = StateAt(c.zoneId, c.time);
    const ZoneRowChoice choice = ChooseZoneRow(state);
    ASSERT_TRUE(choice.row);
    EXPECT_EQ(*choice.row, c.row);
    EXPECT_EQ(choice.daylightSavingTicked, c.ticked);
    EXPECT_EQ(MinutesAheadWithBox(kTimeZones[*choice.row], choice.daylightSavingTicked) * 60,
              state.offsetSeconds);
  }
}

TEST(ZoneRowTest, OffsetNoRowHasLeavesTheChoiceToTheUser) {
  struct NoRow {
    const char* zoneId;
    CivilTime time;
    const char* offsetText;
  };
  const NoRow cases[] = {
      {"Asia/Kolkata", {1900, 1, 1, 12, 0}, "UTC+05:21:10"},  // Madras time
      {"Asia/Kolkata", {1850, 1, 1, 12, 0}, "UTC+05:53:28"},  // local mean time
      {"Asia/Kathmandu", {2000, 6, 1, 12, 0}, "UTC+05:45"},
  };
  for (const NoRow& c : cases) {
    const ZoneRowChoice choice = ChooseZoneRow(StateAt(c.zoneId, c.time));
    EXPECT_FALSE(choice.row) << c.zoneId;
    EXPECT_FALSE(choice.daylightSavingTicked) << c.zoneId;
    EXPECT_THAT(choice.note, HasSubstr(std::string("no row of the list has ") + c.offsetText));
    // Each front end says what it does about it.
    EXPECT_TRUE(choice.note.ends_with(c.offsetText)) << choice.note;
  }
}

// Nepal kept India's UTC+05:30 under its own name until 1986: the row is named and refused.
TEST(ZoneRowTest, ARowOfAnotherRegionIsNamedWithWhyItWasNotTaken) {
  EXPECT_FALSE(ChooseZoneRow(StateAt("Asia/Kathmandu", {1980, 6, 1, 12, 0})).row);
  const auto decided = DecideZone("Asia/Kathmandu", {1980, 6, 1, 12, 0}, 85.3);
  ASSERT_TRUE(std::holds_alternative<ZoneDecision>(decided));
  EXPECT_TRUE(std::get<ZoneDecision>(decided).note.ends_with(
      "; Indian Time is UTC+05:30, but Asia/Kathmandu in 1980 is not Indian time: taken as an "
      "exact offset"))
      << std::get<ZoneDecision>(decided).note;
}

TEST(ZoneRowTest, NoteSaysWhatWasInForceAndWhatWasChosen) {
  const ZoneRowChoice mumbai = ChooseZoneRow(StateAt("Asia/Kolkata", {1980, 3, 5, 14, 7}));
  EXPECT_THAT(mumbai.note, HasSubstr("Asia/Kolkata on 5 March 1980: UTC+05:30, no daylight"));
  EXPECT_THAT(mumbai.note, HasSubstr("chosen: Indian Time"));

  const ZoneRowChoice newYork = ChooseZoneRow(StateAt("America/New_York", {1980, 7, 1, 12, 0}));
  EXPECT_THAT(newYork.note,
              HasSubstr("America/New_York on 1 July 1980: UTC-04:00, daylight saving in force"));
  EXPECT_THAT(newYork.note, HasSubstr("EDT"));
  EXPECT_THAT(newYork.note, HasSubstr("Eastern Standard Time with daylight saving ticked"));

  const ZoneRowChoice london = ChooseZoneRow(StateAt("Europe/London", {1941, 6, 1, 12, 0}));
  EXPECT_THAT(london.note, HasSubstr("UTC+02:00"));
  EXPECT_THAT(london.note, HasSubstr("2 hours ahead of standard time"));
}

TEST(ZoneRowTest, NoteSaysWhenTheHourWasSkippedOrRepeated) {
  const ZoneRowChoice skipped = ChooseZoneRow(StateAt("America/New_York", {1980, 4, 27, 2, 30}));
  EXPECT_THAT(skipped.note, HasSubstr("02:30 did not exist"));
  ASSERT_TRUE(skipped.row);
  EXPECT_EQ(*skipped.row, 27);  // read as Eastern Standard Time, before the change
  EXPECT_FALSE(skipped.daylightSavingTicked);

  const ZoneRowChoice repeated = ChooseZoneRow(StateAt("America/New_York", {1980, 10, 26, 1, 30}));
  EXPECT_THAT(repeated.note, HasSubstr("01:30 happened twice"));
  ASSERT_TRUE(repeated.row);
  EXPECT_EQ(*repeated.row, 27);  // the first 01:30, daylight saving
  EXPECT_TRUE(repeated.daylightSavingTicked);
}

// A list without a row one hour behind takes the row of the whole offset, box unticked.
TEST(ZoneRowTest, WithoutARowOneHourBehindTheWholeOffsetIsTaken) {
  constexpr std::array<TimeZoneRow, 3> rows{{
      {"Greenwich Mean Time,GMT,0.0", "GMT", 0, 0},
      {"Double Time, DT, -2.0", "DT", -2, 0},
      {"British Double Summer Time,BDST,-2.0", "BDST", -2, 0},
  }};
  ZoneState state;
  state.zoneId = "Europe/London";
  state.localTime = {1941, 6, 1, 12, 0};
  state.offsetSeconds = 7200;
  state.isDaylightSaving = true;
  state.daylightSavingMinutes = 120;
  state.abbreviation = "BDST";
  state.standardAbbreviation = "GMT";
  const ZoneRowChoice choice = ChooseZoneRow(state, rows);
  ASSERT_TRUE(choice.row);
  EXPECT_EQ(*choice.row, 2);  // its abbreviation is the zone's; row 1 is lower but is not
  EXPECT_FALSE(choice.daylightSavingTicked);
  EXPECT_THAT(choice.note, HasSubstr("no row is one hour behind"));
}

TEST(ZoneRowTest, AbbreviationDecidesAmongRowsOfEqualOffsetAndAnotherRegionsRowIsNone) {
  ZoneState state;
  state.zoneId = "Etc/Test";
  state.offsetSeconds = -18000;
  state.abbreviation = "CDT";
  ASSERT_TRUE(ChooseZoneRow(state).row);
  EXPECT_EQ(*ChooseZoneRow(state).row, 18);  // Central Daylight Time, CDT
  state.abbreviation = "EST";
  EXPECT_EQ(*ChooseZoneRow(state).row, 27);
  state.abbreviation = "XYZ";
  EXPECT_FALSE(ChooseZoneRow(state).row);  // rows 18, 22 and 27 name other clocks
}

}  // namespace
}  // namespace tarvel
