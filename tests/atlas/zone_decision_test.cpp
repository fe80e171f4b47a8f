#include "atlas/zone_decision.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct DecisionCase {
  const char* zoneId;
  CivilTime time;
  ZoneChoice zone;
  bool ticked;
  const char* label;
};

// The tz database's history: Nepal +05:45, Madras time +05:21:10, Paris on mean time until 1891,
// Kiritimati +14, Venezuela -04:30 (2007-2016), Iran +03:30 with summer time, Shanghai's summer
// time of 1986-1991, São Paulo -03:00, Moscow +03:00 (only Baghdad's row has it), Honolulu
// -10:30 until 1947 and -10:00 since.
const DecisionCase kDecisions[] = {
    {"Asia/Kathmandu",
     {1990, 5, 5, 10, 0},
     OffsetZone(20700),
     false,
     "Asia/Kathmandu, +0545, UTC+05:45"},
    {"Asia/Kolkata", {1900, 1, 1, 10, 0}, OffsetZone(19270), false, ""},
    {"Europe/Paris", {1890, 6, 1, 12, 0}, LocalMeanTimeZone(), false, ""},
    {"Pacific/Kiritimati", {2000, 6, 1, 12, 0}, OffsetZone(50400), false, ""},
    {"America/Caracas", {2010, 6, 1, 12, 0}, OffsetZone(-16200), false, ""},
    {"Asia/Tehran", {2000, 7, 1, 12, 0}, RowZone(37), true, ""},
    {"Asia/Shanghai", {1988, 7, 1, 12, 0}, RowZone(23), true, ""},
    {"America/Sao_Paulo", {1990, 7, 1, 12, 0}, RowZone(14), false, ""},
    {"Europe/Moscow", {1990, 1, 15, 12, 0}, OffsetZone(10800), false, ""},
    {"Pacific/Honolulu", {1940, 1, 15, 12, 0}, RowZone(32), false, ""},
    {"Pacific/Honolulu", {1990, 1, 15, 12, 0}, RowZone(1), false, ""},
};

TEST(ZoneDecisionTest, ARowOnlyWhereOneFitsThePlaceElseTheOffsetOrTheLocalMeanTime) {
  for (const DecisionCase& c : kDecisions) {
    SCOPED_TRACE(std::string(c.zoneId) + " " + std::to_string(c.time.year));
    // The longitude tells only the note of local mean time.
    const auto decided = DecideZone(c.zoneId, c.time, 0.0);
    ASSERT_TRUE(std::holds_alternative<ZoneDecision>(decided));
    const ZoneDecision& decision = std::get<ZoneDecision>(decided);
    EXPECT_EQ(decision.zone, c.zone);
    EXPECT_EQ(decision.daylightSavingTicked, c.ticked);
    EXPECT_TRUE(decision.daylightSavingKnown);
    if (*c.label != '\0') {
      EXPECT_EQ(decision.label, c.label);
    }
  }
}

// The compiled history ends with 2037: later, standard time, and the box is the user's.
TEST(ZoneDecisionTest, AfterTheHistoryEndsTheStandardTimeIsTakenAndDaylightSavingIsNotKnown) {
  const struct {
    const char* zoneId;
    CivilTime time;
    ZoneChoice zone;
  } cases[] = {
      {"America/New_York", {2050, 7, 1, 12, 0}, RowZone(27)},
      {"Australia/Sydney", {2040, 1, 15, 12, 0}, RowZone(8)},
  };
  for (const auto& c : cases) {
    const auto decided = DecideZone(c.zoneId, c.time, 0.0);
    ASSERT_TRUE(std::holds_alternative<ZoneDecision>(decided)) << c.zoneId;
    const ZoneDecision& decision = std::get<ZoneDecision>(decided);
    EXPECT_EQ(decision.zone, c.zone) << c.zoneId;
    EXPECT_FALSE(decision.daylightSavingKnown) << c.zoneId;
    EXPECT_NE(decision.note.find("daylight saving is not known"), std::string::npos)
        << decision.note;
  }
  EXPECT_TRUE(
      std::holds_alternative<ZoneError>(DecideZone("Mars/Olympus", {2000, 1, 1, 0, 0}, 0.0)));
}

// tzdata gives Paris's own mean time, +00:09:21; a birth at 2°21'E keeps 2.35 x 4 minutes.
TEST(ZoneDecisionTest, ALocalMeanTimeNoteQuotesTheBirthPlacesOwnOffset) {
  const auto decided = DecideZone("Europe/Paris", {1890, 6, 1, 12, 0}, 2.35);
  const std::string& note = std::get<ZoneDecision>(decided).note;
  EXPECT_TRUE(note.ends_with("UTC+00:09:24 at its longitude")) << note;
}

}  // namespace
}  // namespace tarvel
