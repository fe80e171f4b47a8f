#include "base/time_scales.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct DateCase {
  int month;
  int day;
  int year;
  double dayNumber;
};

class JulianDayTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(JulianDayTest, GivesTheDayNumberOfTheCivilDate) {
  const DateCase& c = GetParam();
  EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.dayNumber);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDates, JulianDayTest,
    ::testing::Values(DateCase{1, 1, 2000, 2451545}, DateCase{1, 1, 1970, 2440588},
                      DateCase{1, 1, 1900, 2415021}, DateCase{2, 29, 2000, 2451604},
                      DateCase{4, 12, 1992, 2448725}, DateCase{8, 15, 1947, 2432413},
                      // 2000 has 366 days.
                      DateCase{1, 1, 2001, 2451911}, DateCase{12, 31, 2000, 2451910}));

// 15 October 1582 is still reckoned in the Julian calendar, the next day in the Gregorian.
INSTANTIATE_TEST_SUITE_P(CalendarSwitch, JulianDayTest,
                         ::testing::Values(DateCase{10, 15, 1582, 2299171},
                                           DateCase{10, 16, 1582, 2299162}));

// An impossible date adds its day linearly: 31 February is 3 March, or 2 March in a leap year.
INSTANTIATE_TEST_SUITE_P(ImpossibleDates, JulianDayTest,
                         ::testing::Values(DateCase{2, 31, 2001, 2451972},
                                           DateCase{3, 3, 2001, 2451972},
                                           DateCase{2, 31, 2000, 2451606},
                                           DateCase{3, 2, 2000, 2451606}));

TEST(CenturiesSinceJ2000Test, CountsFromNoonOfFirstJanuary2000) {
  EXPECT_EQ(CenturiesSinceJ2000(2451545, 12), 0);
  EXPECT_DOUBLE_EQ(CenturiesSinceJ2000(2451545, 0), -0.5 / 36525);
  // A negative universal time enters unchanged: -9 h is 0.375 days before midnight.
  EXPECT_DOUBLE_EQ(CenturiesSinceJ2000(2451545, -9), -0.875 / 36525);
  EXPECT_NEAR(CenturiesSinceJ2000(2448725, 0), -0.0772210815, 1e-10);
  EXPECT_NEAR(CenturiesSinceJ2000(2432413, -5.5), -0.5238255761, 1e-10);
}

TEST(CenturiesSince1900Test, CountsFromNoonOfTheLastDayOf1899) {
  EXPECT_EQ(CenturiesSince1900(2415020, 12), 0);
  EXPECT_NEAR(CenturiesSince1900(2451545, 12), 1, 1e-15);
}

}  // namespace
}  // namespace tarvel
