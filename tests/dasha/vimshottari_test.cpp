#include "dasha/vimshottari.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
  EXPECT_EQ(std::tuple(moon.number, moon.pada, moon.lord), std::tuple(21, 1, Sun));
  EXPECT_NEAR(moon.traversed, 0.209, 0.0005);

  const VimshottariDasha dasha =
      ComputeVimshottari(76200360, moonDeg, DashaYear::Sidereal, DashaDepth::Mahadasha);
  const auto mahadashas = DashaLevel(dasha, 0);
  ASSERT_EQ(mahadashas.size(), 9u);
  const PlanetIndex kLords[] = {Sun, Moon, Mars, NNode, Jupiter, Saturn, Mercury, SNode, Venus};
  for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(mahadashas[i].lord, kLords[i]);
  EXPECT_NEAR(mahadashas[0].startSeconds, 36559741, 120);
  EXPECT_NEAR(mahadashas[1].startSeconds, 225908640, 300);
  EXPECT_NEAR(dasha.balance.days, 1732.7, 0.05);
  EXPECT_EQ((DashaBalance{dasha.balance.days, 4, 8, 28}), dasha.balance);
}

// A lord's years by planet index: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu.
constexpr double kYearsOf[] = {6, 10, 17, 20, 7, 16, 19, 18, 7};

// Nine periods divide `parent` without gap or overlap, in the mahadashas' order from its lord,
// each lasting its length × the lord's years ÷ 120 (all four ends rounded to the second).
void ExpectDivides(const DashaPeriod& parent, std::span<const DashaPeriod> sub,
                   std::span<const DashaPeriod> mahadashas) {
  ASSERT_EQ(sub.size(), 9u);
  const auto from = std::ranges::find(mahadashas, parent.lord, &DashaPeriod::lord);
  const auto length = static_cast<double>(parent.endSeconds - parent.startSeconds);
  std::int64_t startSeconds = parent.startSeconds;
  for (std::size_t k = 0; k < 9; ++k) {
    EXPECT_EQ(sub[k].lord, mahadashas[(from - mahadashas.begin() + k) % 9].lord);
    EXPECT_EQ(sub[k].startSeconds, startSeconds);
    EXPECT_NEAR(sub[k].endSeconds - sub[k].startSeconds, length * kYearsOf[sub[k].lord] / 120, 2);
    startSeconds = sub[k].endSeconds;
  }
  EXPECT_EQ(startSeconds, parent.endSeconds);
}

// Random births with a fixed seed, in every year (named in any case): the mahadashas from the
// one the birth falls in last 120 years, and each level divides the one above; a shallower
// depth computes the same periods.
TEST(VimshottariTest, PeriodsTileAtEveryDepth) {
  const std::pair<std::string_view, double> kYears[] = {
      {"sidereal", 365.256364}, {"Julian", 365.25}, {"TROPICAL", 365.24219}, {"savana", 360}};
  std::mt19937_64 random(36);
  std::uniform_int_distribution<std::int64_t> seconds(-5'364'662'400, 13'569'465'600);
  std::uniform_real_distribution<double> longitudeDeg(0, 360);
  for (int birth = 0; birth < 50; ++birth) {
    const std::int64_t birthSeconds = seconds(random);
    const double moonDeg = longitudeDeg(random);
    for (const auto& [name, yearDays] : kYears) {
      const DashaYear year = ParseDashaYear(name).value();
      const VimshottariDasha dasha =
          ComputeVimshottari(birthSeconds, moonDeg, year, DashaDepth::Pratyantardasha);
      const auto mahadashas = DashaLevel(dasha, 0);
      EXPECT_NEAR(mahadashas[0].endSeconds - birthSeconds, dasha.balance.days * 86400, 1);
      EXPECT_NEAR(mahadashas[8].endSeconds - mahadashas[0].startSeconds, 120 * yearDays * 86400, 1);
      ExpectDivides({mahadashas[0].lord, mahadashas[0].startSeconds, mahadashas[8].endSeconds},
                    mahadashas, mahadashas);
      for (std::size_t level = 0; level < 2; ++level) {
        for (std::size_t i = 0; i < DashaLevel(dasha, level).size(); ++i) {
          ExpectDivides(DashaLevel(dasha, level)[i], SubPeriods(dasha, level, i), mahadashas);
        }
      }
      const VimshottariDasha shallower =
          ComputeVimshottari(birthSeconds, moonDeg, year, DashaDepth::Antardasha);
      EXPECT_TRUE(std::ranges::equal(DashaLevel(shallower, 1), DashaLevel(dasha, 1)));
    }
  }
}

}  // namespace
}  // namespace tarvel
