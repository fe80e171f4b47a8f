#include "dasha/nakshatra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvel {
namespace {

// The lords in the order their periods run, each with the three nakshatras it rules: the
// 1st, 10th and 19th nakshatra are Ketu's, the 2nd, 11th and 20th Venus's, and so on.
constexpr struct {
  PlanetIndex lord;
  std::string_view names[3];
} kLords[] = {
    {SNode, {"Ashwini", "Magha", "Mula"}},
    {Venus, {"Bharani", "Purva Phalguni", "Purva Ashadha"}},
    {Sun, {"Krittika", "Uttara Phalguni", "Uttara Ashadha"}},
    {Moon, {"Rohini", "Hasta", "Shravana"}},
    {Mars, {"Mrigashira", "Chitra", "Dhanishta"}},
    {NNode, {"Ardra", "Swati", "Shatabhisha"}},
    {Jupiter, {"Punarvasu", "Vishakha", "Purva Bhadrapada"}},
    {Saturn, {"Pushya", "Anuradha", "Uttara Bhadrapada"}},
    {Mercury, {"Ashlesha", "Jyeshtha", "Revati"}},
};

// Nakshatra n (from 0) begins at n × 13°20′ (800′), its padas every 3°20′ (200′). Each edge
// belongs to what begins there; the double just below it to the pada before, which at a
// nakshatra's edge is the previous nakshatra's 4th (Revati's, below 0°).
TEST(NakshatraTest, EveryEdgeBelongsToWhatBeginsThere) {
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 9; ++i) {
      const int n = round * 9 + i;
      const std::string_view name = kLords[i].names[round];
      EXPECT_EQ(NakshatraName(n + 1), name);
      for (int pada = 1; pada <= 4; ++pada) {
        const double edgeDeg = (n * 800 + (pada - 1) * 200) / 60.0;
        const NakshatraPlace at = NakshatraOf(edgeDeg);
        EXPECT_EQ(at.number, n + 1) << name << " " << pada;
        EXPECT_EQ(at.pada, pada) << name;
        EXPECT_EQ(at.lord, kLords[i].lord) << name;
        EXPECT_NEAR(at.traversed, (pada - 1) / 4.0, 1e-14) << name << " " << pada;
        const NakshatraPlace below = NakshatraOf(std::nextafter(edgeDeg > 0 ? edgeDeg : 360, 0));
        EXPECT_EQ(below.number, pada > 1 ? n + 1 : (n + 26) % 27 + 1) << name << " " << pada;
        EXPECT_EQ(below.pada, pada > 1 ? pada - 1 : 4) << name << " " << pada;
      }
    }
  }
}

// Whole turns either way land on the same place, and 360° is Ashwini's start.
TEST(NakshatraTest, TurnsAreOneLongitude) {
  for (const double deg : {360.0, 720.0, -360.0}) {
    EXPECT_EQ(NakshatraOf(deg), (NakshatraPlace{1, 1, SNode, 0})) << deg;
  }
  EXPECT_EQ(NakshatraOf(-10.0), NakshatraOf(350.0));
  // 10° is three padas on: the 4th begins there.
  EXPECT_EQ(NakshatraOf(370.0), (NakshatraPlace{1, 4, SNode, 0.75}));
}

}  // namespace
}  // namespace tarvel
