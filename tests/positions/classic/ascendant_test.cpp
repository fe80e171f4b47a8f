#include "positions/classic/ascendant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/position_text.h"
#include "positions/classic/chart_ayanamsa.h"
#include "tests/support/zone_rows.h"

namespace tarvel {
namespace {

TEST(ChartSiderealCorrectionTest, ReferenceCenturies) {
  EXPECT_NEAR(ChartSiderealCorrectionDeg(0), -22.4662821, 1e-7);
  EXPECT_NEAR(ChartSiderealCorrectionDeg(0.9), -23.7214228, 1e-7);
  EXPECT_NEAR(ChartSiderealCorrectionDeg(1), -23.8539909, 1e-7);
}

struct AscendantCase {
  const char* name;
  BirthData birth;
  double centuries;
  double centuriesTolerance;
  double correction;
  double siderealTime;  ///< NaN where no reference value exists
  double tropical;
  double sidereal;
  std::string position;
};

BirthData Birth(int year, int month, int day, int hour, int minute) {
  BirthData birth;
  birth.BirthYear = static_cast<std::int16_t>(year);
  birth.BirthMonth = static_cast<std::int16_t>(month);
  birth.BirthDay = static_cast<std::int16_t>(day);
  birth.BirthHour = static_cast<std::int16_t>(hour);
  birth.BirthMinute = static_cast<std::int16_t>(minute);
  return birth;
}

BirthData Greenwich2000() {
  return Birth(2000, 1, 1, 12, 0);
}

BirthData Delhi1947() {
  BirthData birth = Birth(1947, 8, 15, 0, 0);
  birth.ZoneHours = 5;
  birth.ZoneMinutes = 30;
  birth.LonDeg = 77;
  birth.IsEast = kTrue;
  birth.LatDeg = 28;
  return birth;
}

BirthData NewYork1990() {
  BirthData birth = Birth(1990, 10, 15, 10, 30);
  birth.ZoneHours = 5;
  birth.IsDST = kTrue;
  birth.LonDeg = 74;
  birth.LatDeg = 40;
  birth.LatMin = 43;
  return birth;
}

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

AscendantFigures AscendantOf(const BirthData& birth) {
  const BirthInstant instant =
      *InstantOf(birth, RowZone(testing::RowAgreeingWithLongitude(birth))).instant;
  return ComputeAscendant(ClassicInstantOf(instant), instant);
}

const AscendantCase kCases[] = {
    {"Greenwich2000", Greenwich2000(), 1, 0, -23.8539909, 280.460871, 11.3781488, 347.5241579,
     "17\u00B0 31' 26\" Pis"},
    {"Delhi1947", Delhi1947(), 0.4761744239, 1e-10, -23.1225524, 316.8367487, 60.3004902,
     37.1779378, "7\u00B0 10' 40\" Tau"},
    {"NewYork1990", NewYork1990(), 0.9078741729, 1e-10, -23.7328630, kNoValue, 240.8991042,
     217.1662412, "7\u00B0 9' 58\" Sco"},
};

TEST(AscendantTest, FiguresOfTheReferenceBirths) {
  for (const AscendantCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const AscendantFigures figures = AscendantOf(c.birth);
    EXPECT_NEAR(figures.centuriesSince1900, c.centuries, c.centuriesTolerance);
    EXPECT_NEAR(figures.chartCorrection, c.correction, 1e-7);
    if (!std::isnan(c.siderealTime)) {
      EXPECT_NEAR(figures.siderealTimeDeg, c.siderealTime, 1e-7);
    }
    EXPECT_NEAR(figures.tropicalDeg, c.tropical, 1e-7);
    EXPECT_NEAR(figures.siderealDeg, c.sidereal, 1e-7);
  }
}

TEST(AscendantTest, PositionTextOfTheReferenceBirths) {
  for (const AscendantCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatPosition(AscendantOf(c.birth).siderealDeg), c.position);
  }
}

TEST(AscendantTest, SiderealTimeIsReducedBelow360Only) {
  // T = 0 at 0h UT, longitude 0: 15 x 6.6460656 = 99.690984.
  EXPECT_NEAR(LocalSiderealTime(0, 0, 0), 99.690984, 1e-12);
  // A western longitude beyond the angle leaves it negative.
  EXPECT_NEAR(LocalSiderealTime(0, 0, 120), 99.690984 - 120, 1e-12);
  // One century: 15 x (6.6460656 + 2400.0513 + 0.0000258) = 36100.460871, less 100 turns.
  EXPECT_NEAR(LocalSiderealTime(1, 0, 0), 100.460871, 1e-9);
}

TEST(AscendantTest, AtTheEquatorTheAscendantIsAQuarterTurnAheadOfTheSiderealTime) {
  EXPECT_NEAR(TropicalAscendant(0, 0, 0), 90, 1e-9);
  EXPECT_NEAR(TropicalAscendant(90, 0, 0), 180, 1e-9);
  EXPECT_NEAR(TropicalAscendant(180, 0, 0), 270, 1e-9);
}

TEST(AscendantTest, SouthernLatitudeTurnsTheAscendant) {
  const double north = TropicalAscendant(300, 0.9, 40);
  const double south = TropicalAscendant(300, 0.9, -40);
  EXPECT_GT(std::abs(north - south), 1);
}

TEST(AscendantTest, EquatorGivesTheSameAscendantNorthAndSouth) {
  BirthData south = Greenwich2000();
  south.IsSouth = kTrue;
  EXPECT_EQ(AscendantOf(south).siderealDeg, AscendantOf(Greenwich2000()).siderealDeg);
}

TEST(AscendantTest, TropicalAscendantStaysWithinOneTurn) {
  for (double theta = -350; theta < 720; theta += 7.25) {
    const double ascendant = TropicalAscendant(theta, 0.9, 51.5);
    EXPECT_GE(ascendant, 0) << theta;
    EXPECT_LT(ascendant, 360) << theta;
  }
}

}  // namespace
}  // namespace tarvel
