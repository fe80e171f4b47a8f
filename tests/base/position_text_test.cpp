#include "base/position_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/signs.h"

namespace tarvel {
namespace {

// The doubles either side of every whole degree from 0 to `last`, each with its negation: where
// splitting a longitude in integers and flooring it could part.
std::vector<double> AroundWholeDegrees(int last) {
  std::vector<double> longitudes;
  for (int degree = 0; degree <= last; ++degree) {
    for (const double toward : {-1.0, 1.0}) {
      const double value = std::nextafter(static_cast<double>(degree), toward * 1e9);
      longitudes.insert(longitudes.end(), {value, -value});
    }
  }
  return longitudes;
}

struct PositionCase {
  double longitudeDeg;
  const char* text;
};

class FormatPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FormatPositionTest, WritesDegreesMinutesSecondsAndSign) {
  EXPECT_EQ(FormatPosition(GetParam().longitudeDeg), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(KnownLongitudes, FormatPositionTest,
                         ::testing::Values(PositionCase{45.5125, "15\xC2\xB0 30' 45\" Tau"},
                                           PositionCase{0, "0\xC2\xB0 0' 0\" Ari"},
                                           // Truncated, so no carry into the next sign.
                                           PositionCase{29.99999, "29\xC2\xB0 59' 59\" Ari"},
                                           PositionCase{30, "0\xC2\xB0 0' 0\" Tau"},
                                           PositionCase{45.5, "15\xC2\xB0 30' 0\" Tau"},
                                           PositionCase{-45.5, "15\xC2\xB0 30' 0\" Tau"},
                                           // Sign 12 lies past the end of the abbreviations.
                                           PositionCase{360, "0\xC2\xB0 0' 0\" "},
                                           PositionCase{400, "10\xC2\xB0 0' 0\" "},
                                           // Either side of where integers stop splitting it.
                                           PositionCase{2147483646.5, "6\xC2\xB0 30' 0\" "},
                                           PositionCase{3e9 + 7.5, "7\xC2\xB0 30' 0\" "}));

TEST(FormatPositionSignsTest, EachSignHasItsAbbreviation) {
  const char* const abbrevs[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                 "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
  for (int sign = 0; sign < 12; ++sign) {
    EXPECT_EQ(FormatPosition(30 * sign + 12.25), std::string("12\xC2\xB0 15' 0\" ") + abbrevs[sign])
        << "sign " << sign;
  }
}

TEST(FormatPositionSignsTest, DegreeSignIsTwoBytesOfUtf8) {
  const std::string text = FormatPosition(0);
  ASSERT_EQ(text.size(), 13u);
  EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xC2);
  EXPECT_EQ(static_cast<unsigned char>(text[2]), 0xB0);
}

// Degrees, minutes and seconds of arc, with half a second more so that no case sits on the
// edge of a truncated second.
double Dms(int sign, int degrees, int minutes, int seconds) {
  return 30 * sign + degrees + minutes / 60.0 + (seconds + 0.5) / 3600;
}

TEST(ShortPositionTest, TwoDigitDegreesSignAndTwoDigitMinutes) {
  struct ShortCase {
    double longitudeDeg;
    const char* text;
  };
  const ShortCase cases[] = {
      {Dms(0, 5, 7, 3), "05 Ari 07"},     {0, "00 Ari 00"},
      {Dms(11, 29, 59, 59), "29 Pis 59"}, {Dms(8, 16, 31, 59), "16 Sag 31"},
      {Dms(3, 10, 5, 0), "10 Can 05"},    {Dms(1, 15, 30, 45), "15 Tau 30"},
  };
  for (const ShortCase& c : cases) {
    EXPECT_EQ(ShortPosition(c.longitudeDeg), c.text) << c.text;
    // The boxes' degrees are the same two truncated figures, with the degree sign and a prime.
    const std::string boxed = std::string(c.text, 2) + "\xC2\xB0" + (c.text + 7) + "'";
    EXPECT_EQ(DegreesInSign(c.longitudeDeg), boxed) << c.text;
  }
}

TEST(SignOfLongitudeTest, FollowsThePositionText) {
  EXPECT_EQ(SignOfLongitude(0), 0);
  EXPECT_EQ(SignOfLongitude(29.99999), 0);
  EXPECT_EQ(SignOfLongitude(30), 1);
  EXPECT_EQ(SignOfLongitude(359.9), 11);
  EXPECT_EQ(SignOfLongitude(-45.5), 1);
  EXPECT_EQ(SignOfLongitude(360), std::nullopt);
  EXPECT_EQ(SignOfLongitude(std::nan("")), std::nullopt);
  // Every whole degree and the doubles either side of it, both signs, and what lies past any
  // chart, land where flooring the whole degrees by 30 does.
  std::vector<double> longitudes = AroundWholeDegrees(361);
  for (const double value : {359.99999999999994, 360.00000000000006, -0.0, 1e300,
                             std::numeric_limits<double>::infinity()}) {
    longitudes.insert(longitudes.end(), {value, -value});
  }
  for (const double longitude : longitudes) {
    const double sign = std::floor(std::floor(std::fabs(longitude)) / 30);
    const std::optional<int> expected =
        sign < 12 ? std::optional<int>(static_cast<int>(sign)) : std::nullopt;
    EXPECT_EQ(SignOfLongitude(longitude), expected) << longitude;
  }
}

}  // namespace
}  // namespace tarvel
