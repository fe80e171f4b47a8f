#include "positions/classic/days_from_j2000.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace tarvel {
namespace {

TEST(DaysFromJ2000Test, ReferenceInstants) {
  EXPECT_EQ(DaysFromJ2000({2000, 1, 1, 12, 0, 0}), 0);
  EXPECT_EQ(DaysFromJ2000({1900, 3, 1, 0, 0, 0}), -36465.5);
  EXPECT_NEAR(DaysFromJ2000({1947, 8, 14, 18, 30, 0}), -19132.7291667, 1e-7);
  EXPECT_NEAR(DaysFromJ2000({1990, 10, 15, 14, 30, 0}), -3364.8958333, 1e-7);
}

TEST(DaysFromJ2000Test, CountsTheFirstTwoMonthsOf1900True) {
  // 1900 was no leap year: 1 January 1900 lies 36524 days and a half before J2000.0.
  EXPECT_EQ(DaysFromJ2000({1900, 1, 1, 0, 0, 0}), -36524.5);
  EXPECT_EQ(DaysFromJ2000({1900, 2, 28, 0, 0, 0}), -36466.5);
  EXPECT_EQ(DaysFromJ2000({1900, 2, 28, 18, 0, 0}), -36465.75);
  EXPECT_EQ(DaysFromJ2000({1899, 12, 31, 12, 0, 0}), -36525);
}

TEST(DaysFromJ2000Test, ImpossibleDatesCountOnLinearly) {
  EXPECT_EQ(DaysFromJ2000({1990, 4, 31, 6, 0, 0}), DaysFromJ2000({1990, 5, 1, 6, 0, 0}));
  EXPECT_EQ(DaysFromJ2000({1900, 2, 29, 0, 0, 0}), DaysFromJ2000({1900, 3, 1, 0, 0, 0}));
  EXPECT_EQ(DaysFromJ2000({2001, 2, 31, 0, 0, 0}), DaysFromJ2000({2001, 3, 3, 0, 0, 0}));
  EXPECT_EQ(DaysFromJ2000({2000, 2, 31, 0, 0, 0}), DaysFromJ2000({2000, 3, 2, 0, 0, 0}));
}

double FourYearLeapCount(int y, int m, int d, int h, int n) {
  return 367.0 * y - std::floor(7 * (y + std::floor((m + 9) / 12.0)) / 4.0) +
         std::floor(275 * m / 9.0) + d - 730531.5 + (h + n / 60.0) / 24;
}

TEST(DaysFromJ2000Test, EveryDayFrom1900To2100) {
  using namespace std::chrono;
  const sys_days j2000{2000y / January / 1};
  const sys_days first{1900y / January / 1};
  const sys_days last{2100y / December / 31};
  const sys_days fourYearSpanStart{1900y / March / 1};
  const sys_days fourYearSpanEnd{2100y / February / 28};
  for (sys_days date = first; date <= last; date += days{1}) {
    const year_month_day ymd{date};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    const int serial = static_cast<int>(date.time_since_epoch().count());
    const int h = (serial % 24 + 24) % 24;
    const int n = (serial * 7 % 60 + 60) % 60;
    const double trueCount = (date - j2000).count() - 0.5 + (h + n / 60.0) / 24;
    const bool inSpan = date >= fourYearSpanStart && date <= fourYearSpanEnd;
    const double expected = inSpan ? FourYearLeapCount(y, m, d, h, n) : trueCount;
    ASSERT_EQ(DaysFromJ2000({y, m, d, h, n, 0}), expected) << y << "-" << m << "-" << d;
    ASSERT_NEAR(DaysFromJ2000({y, m, d, h, n, 0}), trueCount, 1e-9) << y << "-" << m << "-" << d;
  }
}

}  // namespace
}  // namespace tarvel
