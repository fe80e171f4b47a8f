#include "positions/classic/planet_longitudes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "base/position_text.h"
#include "positions/classic/chart_ayanamsa.h"
#include "positions/classic/classic_sky.h"
#include "positions/classic/lunar_nodes.h"
#include "tests/support/zone_rows.h"

namespace tarvel {
namespace {

using ShortTexts = std::array<std::string, kPlanetCount>;

struct BirthSpec {
  int year, month, day, hour, minute;
  int zoneHours, zoneMinutes;
  int lonDeg;
  bool isEast, isDst;
};

BirthData MakeBirth(const BirthSpec& s) {
  BirthData birth;
  birth.BirthYear = static_cast<std::int16_t>(s.year);
  birth.BirthMonth = static_cast<std::int16_t>(s.month);
  birth.BirthDay = static_cast<std::int16_t>(s.day);
  birth.BirthHour = static_cast<std::int16_t>(s.hour);
  birth.BirthMinute = static_cast<std::int16_t>(s.minute);
  birth.ZoneHours = static_cast<std::int16_t>(s.zoneHours);
  birth.ZoneMinutes = static_cast<std::int16_t>(s.zoneMinutes);
  birth.LonDeg = static_cast<std::int16_t>(s.lonDeg);
  birth.IsEast = ToFlag16(s.isEast);
  birth.IsDST = ToFlag16(s.isDst);
  return birth;
}

SkyPositions RunChain(const BirthData& birth) {
  return ClassicSky()
      .Positions(*InstantOf(birth, RowZone(testing::RowAgreeingWithLongitude(birth))).instant)
      .positions;
}

struct ChainCase {
  const char* name;
  BirthSpec birth;
  ShortTexts expected;  ///< the Moon's entry empty where no reference exists
};

const ChainCase kChainCases[] = {
    {"Greenwich2000",
     {2000, 1, 1, 12, 0, 0, 0, 0, false, false},
     {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30", "16 Ari 21",
      "10 Can 16", "10 Cap 16"}},
    {"Delhi1947",
     {1947, 8, 15, 0, 0, 5, 30, 77, true, false},
     {"28 Can 43", "03 Can 59", "14 Can 25", "23 Can 18", "08 Gem 12", "26 Lib 39", "21 Can 11",
      "04 Tau 09", "04 Sco 09"}},
    {"NewYork1990",
     {1990, 10, 15, 10, 30, 5, 0, 74, false, true},
     {"28 Vir 22", "", "23 Vir 42", "24 Vir 00", "20 Tau 46", "16 Can 50", "25 Sag 25", "08 Cap 34",
      "08 Can 34"}},
};

TEST(ClassicSkyTest, ShortTextsOfTheNineGrahas) {
  for (const ChainCase& c : kChainCases) {
    SCOPED_TRACE(c.name);
    const SkyPositions sky = RunChain(MakeBirth(c.birth));
    for (int planet = 0; planet < kPlanetCount; ++planet) {
      if (c.expected[planet].empty()) continue;
      EXPECT_EQ(ShortPosition(sky.grahaDeg[planet]), c.expected[planet]) << planet;
    }
    EXPECT_EQ(sky.ephemeris, SkyEphemeris::ClassicFormulas);
  }
}

// A day the month lacks runs on into the next month, as the classic day count has it.
TEST(ClassicSkyTest, ADayTheMonthLacksIsTheFirstOfTheNext) {
  struct Case {
    BirthSpec missing;
    int month, day;  // the day it stands for
  };
  const Case cases[] = {
      {{1990, 4, 31, 1, 0, 5, 30, 77, true, false}, 5, 1},  // the 31st of April
      {{1900, 2, 29, 3, 0, 5, 30, 77, true, false}, 3, 1},  // 1900 was no leap year
  };
  for (const Case& c : cases) {
    BirthSpec next = c.missing;
    next.month = c.month;
    next.day = c.day;
    EXPECT_EQ(RunChain(MakeBirth(c.missing)), RunChain(MakeBirth(next))) << c.missing.year;
  }
}

TEST(LunarNodesTest, RahuAtJ2000AndKetuOpposite) {
  const LunarNodes nodes = MeanLunarNodes(0, ChartSiderealCorrectionDeg(1));
  EXPECT_NEAR(nodes.rahuDeg, 100.2685165, 1e-7);
  EXPECT_DOUBLE_EQ(nodes.ketuDeg, nodes.rahuDeg + 180);
}

TEST(LunarNodesTest, KetuIsAlwaysOppositeAndBelow360) {
  for (double days = -40000; days <= 40000; days += 311) {
    const LunarNodes nodes = MeanLunarNodes(days, -23.5);
    EXPECT_GE(nodes.rahuDeg, 0) << days;
    EXPECT_LT(nodes.rahuDeg, 360) << days;
    EXPECT_GE(nodes.ketuDeg, 0) << days;
    EXPECT_LT(nodes.ketuDeg, 360) << days;
    const double rahuToKetu = nodes.ketuDeg >= nodes.rahuDeg ? nodes.ketuDeg - nodes.rahuDeg
                                                             : nodes.ketuDeg + 360 - nodes.rahuDeg;
    EXPECT_NEAR(rahuToKetu, 180, 1e-9) << days;
  }
}

// The correction is minus the ayanamsa and is always added, whatever its sign.
TEST(ChartSiderealLongitudeTest, AddsTheCorrectionAndWrapsIntoPisces) {
  EXPECT_NEAR(ChartSiderealLongitude(10, -23.85), 346.15, 1e-12);
  EXPECT_NEAR(ChartSiderealLongitude(280.379632, -23.8539909), 256.5256411, 1e-12);
  EXPECT_NEAR(ChartSiderealLongitude(360, -23.85), 336.15, 1e-12);
  EXPECT_NEAR(ChartSiderealLongitude(10, 1.5), 11.5, 1e-12);
}

}  // namespace
}  // namespace tarvel
