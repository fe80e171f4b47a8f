#include <gtest/gtest.h>

#include "base/signs.h"

namespace tarvel {
namespace {

// Counting any number of signs either way lands on the sign floored arithmetic gives.
TEST(SignAfterTest, WrapsBothWaysAnyNumberOfTurns) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    for (int steps = -40; steps <= 40; ++steps) {
      const int expected = ((sign + steps) % kSignCount + kSignCount) % kSignCount;
      EXPECT_EQ(SignAfter(sign, steps), expected) << sign << " " << steps;
    }
  }
}

}  // namespace
}  // namespace tarvel
