#include "positions/classic/moon.h"

#include <gtest/gtest.h>

#include "base/position_text.h"
#include "base/time_scales.h"
#include "positions/classic/ayanamsa.h"
#include "positions/classic/classic_instant.h"
#include "positions/classic/moon_longitude.h"
#include "tests/support/zone_rows.h"

namespace tarvel {
namespace {

struct MoonCase {
  const char* name;
  BirthData birth;
  double tropicalDeg;
  double siderealDeg;
  const char* position;
};

BirthData Birth(int month, int day, int year, int zoneHours, int zoneMinutes, int lonDeg,
                bool isEast) {
  BirthData birth;
  birth.BirthMonth = static_cast<std::int16_t>(month);
  birth.BirthDay = static_cast<std::int16_t>(day);
  birth.BirthYear = static_cast<std::int16_t>(year);
  birth.ZoneHours = static_cast<std::int16_t>(zoneHours);
  birth.ZoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  birth.LonDeg = static_cast<std::int16_t>(lonDeg);
  birth.IsEast = ToFlag16(isEast);
  return birth;
}

BirthData J2000Noon() {
  BirthData birth = Birth(1, 1, 2000, 0, 0, 0, false);
  birth.BirthHour = 12;
  return birth;
}

ClassicInstant ClassicOf(const BirthData& birth) {
  return ClassicInstantOf(
      *InstantOf(birth, RowZone(testing::RowAgreeingWithLongitude(birth))).instant);
}

double CenturiesOf(const BirthData& birth) {
  const ClassicInstant instant = ClassicOf(birth);
  return CenturiesSinceJ2000(instant.dayNumber, instant.utHours);
}

class MoonTest : public ::testing::TestWithParam<MoonCase> {};

TEST_P(MoonTest, TropicalLongitude) {
  EXPECT_NEAR(MoonLongitude(CenturiesOf(GetParam().birth)), GetParam().tropicalDeg, 1e-7);
}

TEST_P(MoonTest, SiderealLongitude) {
  const double centuries = CenturiesOf(GetParam().birth);
  EXPECT_NEAR(SiderealLongitude(MoonLongitude(centuries), SiderealCorrectionDeg(centuries)),
              GetParam().siderealDeg, 1e-7);
}

TEST_P(MoonTest, CalculateMoonGivesTheSiderealLongitudeAndItsText) {
  const double longitudeDeg = CalculateMoon(ClassicOf(GetParam().birth));
  EXPECT_NEAR(longitudeDeg, GetParam().siderealDeg, 1e-7);
  EXPECT_EQ(FormatPosition(longitudeDeg), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    KnownBirths, MoonTest,
    ::testing::Values(MoonCase{"J2000", J2000Noon(), 223.3161029, 199.4623772,
                               "19\xC2\xB0 27' 44\" Lib"},
                      MoonCase{"April1992", Birth(4, 12, 1992, 0, 0, 0, false), 133.1580839,
                               109.4039375, "19\xC2\xB0 24' 14\" Can"},
                      MoonCase{"August1947", Birth(8, 15, 1947, 5, 30, 77, true), 117.1096557,
                               93.9878232, "3\xC2\xB0 59' 16\" Can"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SiderealLongitudeTest, WrapsOnceBelowZero) {
  EXPECT_NEAR(SiderealLongitude(10, -23.85), 346.15, 1e-9);
  EXPECT_NEAR(SiderealLongitude(223.3161029, -23.8537257), 199.4623772, 1e-9);
}

TEST(SiderealLongitudeTest, WrapsOnceFromATurnUpBeforeTheAyanamsaZeroYear) {
  EXPECT_NEAR(SiderealLongitude(359, 3.25), 2.25, 1e-9);
}

TEST(MoonLongitudeTest, StaysWithinOneTurnFarFromJ2000) {
  // About 1340 turns of mean longitude lie between 1900 and 2050.
  for (double centuries : {-1.0, -0.5, 0.5}) {
    const double longitudeDeg = MoonLongitude(centuries);
    EXPECT_GE(longitudeDeg, 0);
    EXPECT_LE(longitudeDeg, 360);
  }
}

}  // namespace
}  // namespace tarvel
