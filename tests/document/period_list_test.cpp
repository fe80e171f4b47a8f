#include "document/period_list.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

// The worked birth: 1 June 1972, 04:16 at +05:30 is 31 May 1972 22:46 UT, 881 days and
// 81,960 seconds after 1970; the Moon at 269.458°, a fifth into Uttara Ashadha (lord Sun).
constexpr std::int64_t kBirthSeconds = 881 * 86400 + 81960;
constexpr std::int32_t kOffsetSeconds = 19800;

PeriodList WorkedList() {
  return ListPeriods(
      ComputeVimshottari(kBirthSeconds, 269.458, DashaYear::Sidereal, DashaDepth::Pratyantardasha),
      kOffsetSeconds);
}

TEST(PeriodListTest, BalanceOfTheWorkedBirth) {
  EXPECT_EQ(WorkedList().balanceText,
            "Balance of the Sun's period at birth: 4 years 8 months 28 days");
}

// Dates by hand in the birth's offset: the Sun's from 08:59 on 28 Feb 1971, the Moon's from
// 21:54 on 27 Feb 1977 for 3,652.56 days; Sun–Sun 109.58 days, Sun–Sun–Sun 5.48 days. Each
// mahadasha is followed by its 9 antardashas, each by its 9 pratyantardashas.
TEST(PeriodListTest, RowsOfTheWorkedBirth) {
  struct Row {
    std::size_t at, level;
    std::string_view lords, dates;
  };
  constexpr Row kRows[] = {
      {0, 0, "Sun", "28 Feb 1971 – 27 Feb 1977"},
      {1, 1, "Sun–Sun", "28 Feb 1971 – 17 Jun 1971"},
      {2, 2, "Sun–Sun–Sun", "28 Feb 1971 – 5 Mar 1971"},
      {11, 1, "Sun–Moon", "17 Jun 1971 – 17 Dec 1971"},
      {91, 0, "Moon", "27 Feb 1977 – 28 Feb 1987"},
      {92, 1, "Moon–Moon", "27 Feb 1977 – 29 Dec 1977"},
      {812, 2, "Venus–S Node–Sun", ""},
  };
  const PeriodList list = WorkedList();
  ASSERT_EQ(list.rows.size(), 9u + 81u + 729u);
  for (const Row& expected : kRows) {
    const PeriodRow& row = list.rows[expected.at];
    EXPECT_EQ(row.level, expected.level) << expected.at;
    EXPECT_EQ(row.lordsText, expected.lords) << expected.at;
    if (!expected.dates.empty()) {
      EXPECT_EQ(row.datesText, expected.dates) << expected.at;
    }
  }
}

// A period runs on every day it touches, so on the day the Moon's begins both run.
TEST(PeriodListTest, RunsOnDaysInTheBirthsOffset) {
  struct Case {
    CalendarDay day;
    bool sunRuns, moonRuns;
  };
  constexpr Case kCases[] = {
      {{1972, 6, 1}, true, false},  {{1971, 2, 27}, false, false}, {{1971, 2, 28}, true, false},
      {{1977, 2, 27}, true, true},  {{1977, 2, 28}, false, true},  {{1987, 2, 28}, false, true},
      {{1987, 3, 1}, false, false},
  };
  const PeriodList list = WorkedList();
  for (const Case& c : kCases) {
    EXPECT_EQ(RunsOn(list.rows[0].period, c.day, kOffsetSeconds), c.sunRuns) << c.day.year;
    EXPECT_EQ(RunsOn(list.rows[91].period, c.day, kOffsetSeconds), c.moonRuns) << c.day.year;
  }
}

}  // namespace
}  // namespace tarvel
