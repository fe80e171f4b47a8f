#include "dasha/vimshottari.h"

#include <gtest/gtest.h>

#include <random>

#include "dasha/nakshatra.h"
#include "positions/swiss/swiss_sky.h"

namespace tarvel {
namespace {

// Born 1 June 1972, 04:16 at +05:30 (31 May, 22:46 UT), 16°15′N 81°12′E; Lahiri, mean node.
// The Moon in Uttara Ashadha has a fifth of the Sun's six years behind it at birth: the Sun's
// period began on 28 February 1971, 03:29:01 UT, and the Moon's begins 6 sidereal years later,
// 27 February 1977, 16:24:00 UT.
TEST(VimshottariTest, WorkedBirth) {
  const SwissSky sky({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const SkyResult places = sky.Positions({76200360, 19800, 16.25, 81.2});
  ASSERT_EQ(places.error, "");
  const double moonDeg = places.positions.grahaDeg[Moon];
  EXPECT_NEAR(moonDeg, 269.458, 0.0005);
  const NakshatraPlace moon = NakshatraOf(moonDeg);
  EXPECT_EQ(moon.number, 21);
  EXPECT_EQ(moon.pada, 1);
  EXPECT_EQ(moon.lord, Sun);
  EXPECT_NEAR(moon.traversed, 0.209, 0.0005);

  const VimshottariDasha dasha =
      ComputeVimshottari(76200360, moonDeg, DashaYear::Sidereal, DashaDepth::Mahadasha);
  ASSERT_EQ(dasha.levels[0].size(), 9u);
  EXPECT_EQ(dasha.levels[0][0].lord, Sun);
  EXPECT_NEAR(dasha.levels[0][0].startSeconds, 36559741, 120);
  EXPECT_EQ(dasha.levels[0][1].lord, Moon);
  EXPECT_NEAR(dasha.levels[0][1].startSeconds, 225908640, 300);
  EXPECT_NEAR(dasha.balance.days, 1732.7, 0.05);
  EXPECT_EQ((DashaBalance{dasha.balance.days, 4, 8, 28}), dasha.balance);
  EXPECT_TRUE(dasha.levels[1].empty());
}

// Random births with a fixed seed, in every year: each level starts with the lord of the
// period above it, runs on without a gap, ends with its parent, and the nine mahadashas from
// the one the birth falls in last 120 years.
TEST(VimshottariTest, PeriodsTileAtEveryDepth) {
  std::mt19937_64 random(36);
  std::uniform_int_distribution<std::int64_t> seconds(-5'364'662'400, 13'569'465'600);
  std::uniform_real_distribution<double> longitudeDeg(0, 360);
  for (int birth = 0; birth < 50; ++birth) {
    const std::int64_t birthSeconds = seconds(random);
    const double moonDeg = longitudeDeg(random);
    for (const DashaYear year : kDashaYears) {
      const VimshottariDasha dasha =
          ComputeVimshottari(birthSeconds, moonDeg, year, DashaDepth::Pratyantardasha);
      const auto& mahadashas = dasha.levels[0];
      const VimshottariDasha shallower =
          ComputeVimshottari(birthSeconds, moonDeg, year, DashaDepth::Antardasha);
      EXPECT_EQ(shallower.levels[1], dasha.levels[1]);
      EXPECT_TRUE(shallower.levels[2].empty());
      EXPECT_LE(mahadashas[0].startSeconds, birthSeconds);
      EXPECT_NEAR(mahadashas[0].endSeconds - birthSeconds, dasha.balance.days * 86400, 1);
      EXPECT_NEAR(mahadashas[8].endSeconds - mahadashas[0].startSeconds,
                  120 * DashaYearDays(year) * 86400, 1);
      for (std::size_t level = 0; level < 2; ++level) {
        for (std::size_t i = 0; i < dasha.levels[level].size(); ++i) {
          const DashaPeriod& parent = dasha.levels[level][i];
          const auto sub = SubPeriods(dasha, level, i);
          ASSERT_EQ(sub.size(), 9u);
          EXPECT_EQ(sub.front().lord, parent.lord);
          EXPECT_EQ(sub.front().startSeconds, parent.startSeconds);
          EXPECT_EQ(sub.back().endSeconds, parent.endSeconds);
          for (std::size_t k = 1; k < 9; ++k) EXPECT_EQ(sub[k].startSeconds, sub[k - 1].endSeconds);
        }
      }
      for (std::size_t k = 1; k < 9; ++k) {
        EXPECT_EQ(mahadashas[k].startSeconds, mahadashas[k - 1].endSeconds);
      }
    }
  }
}

}  // namespace
}  // namespace tarvel
