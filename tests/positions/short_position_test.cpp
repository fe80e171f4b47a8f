#include "positions/short_position.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

struct ShortCase {
  const char* positionText;
  const char* expected;
};

TEST(ShortPositionTest, TwoDigitDegreesSignAndTwoDigitMinutes) {
  const ShortCase cases[] = {
      {"5\u00B0 7' 3\" Ari", "05 Ari 07"},    {"0\u00B0 0' 0\" Ari", "00 Ari 00"},
      {"29\u00B0 59' 59\" Pis", "29 Pis 59"}, {"16\u00B0 31' 59\" Sag", "16 Sag 31"},
      {"10\u00B0 5' 0\" Can", "10 Can 05"},   {"  15\u00B0 30' 45\" Tau", "15 Tau 30"},
  };
  for (const ShortCase& c : cases) {
    EXPECT_EQ(ShortPosition(c.positionText), c.expected) << c.positionText;
  }
}

}  // namespace
}  // namespace tarvel
