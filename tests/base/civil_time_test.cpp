#include "base/civil_time.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(CivilTimeTest, ShiftCarriesIntoTheCalendarAndCountsImpossibleDaysOnLinearly) {
  struct Case {
    CivilTime from;
    long long seconds;
    CivilTime expected;
  };
  const Case cases[] = {
      {{1990, 4, 31, 12, 0}, 0, {1990, 5, 1, 12, 0}},
      {{1900, 2, 29, 0, 0}, 0, {1900, 3, 1, 0, 0}},
      {{2001, 2, 31, 6, 0}, 0, {2001, 3, 3, 6, 0}},
      {{2000, 2, 31, 6, 0}, 0, {2000, 3, 2, 6, 0}},
      {{1990, 4, 31, 1, 0}, -330 * 60, {1990, 4, 30, 19, 30}},
      {{1990, 12, 31, 23, 0}, 90 * 60, {1991, 1, 1, 0, 30}},
      {{1999, 12, 31, 23, 59, 59}, 1, {2000, 1, 1, 0, 0, 0}},
      {{1947, 8, 15, 0, 0, 0}, -19270, {1947, 8, 14, 18, 38, 50}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShiftSeconds(c.from, c.seconds), c.expected) << c.seconds;
  }
}

}  // namespace
}  // namespace tarvel
