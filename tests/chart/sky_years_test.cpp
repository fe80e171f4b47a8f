#include <gtest/gtest.h>

#include "chart/chart_result.h"
#include "chart/skies.h"
#include "tests/support/form_birth.h"

namespace tarvel {
namespace {

struct YearCase {
  SkyKind sky;
  CivilTime localClock;
  int offsetSeconds;
  const char* error;  // empty: computed from the data files
};

// The classic formulas are fitted to 1900-2050; the precise sky's files span 1800-2399.
// The ends are taken with the farthest offsets, so the universal time runs a day over.
constexpr YearCase kYearCases[] = {
    {SkyKind::Swiss, {1800, 1, 1, 12, 0, 0}, 0, ""},
    {SkyKind::Swiss, {2399, 12, 31, 23, 59, 59}, -12 * 3600, ""},
    {SkyKind::Classic, {2050, 12, 31, 23, 0, 0}, 0, ""},
    {SkyKind::Classic,
     {1850, 6, 1, 12, 0, 0},
     0,
     "The classic sky computes 1900 to 2050; choose the precise sky (Sky menu, or --sky swiss) "
     "for 1850."},
    {SkyKind::Swiss, {1799, 12, 31, 23, 0, 0}, 0, "The precise sky computes 1800 to 2399"},
    {SkyKind::Swiss, {2400, 1, 1, 0, 0, 0}, 0, "2400 is outside it"},
};

TEST(SkyYearsTest, EachSkyComputesItsOwnYearsAndNamesThePreciseSkyOtherwise) {
  const Skies skies;
  for (const YearCase& c : kYearCases) {
    SCOPED_TRACE(std::to_string(c.localClock.year));
    const BirthData birth =
        testing::FormBirth(c.localClock, 29, false, {51, 28, false, 0, 0, true});
    const ChartResult chart =
        ComputeChart(birth, OffsetZone(c.offsetSeconds), skies.For({c.sky}), std::nullopt, {});
    if (*c.error == '\0') {
      EXPECT_EQ(chart.error, "");
      if (c.sky == SkyKind::Swiss) {
        EXPECT_EQ(chart.positions.ephemeris, SkyEphemeris::SwissFiles);
      }
    } else {
      EXPECT_NE(chart.error.find(c.error), std::string::npos) << chart.error;
    }
  }
}

}  // namespace
}  // namespace tarvel
