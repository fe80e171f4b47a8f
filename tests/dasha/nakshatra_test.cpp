#include "dasha/nakshatra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvel {
namespace {

// The lords in the order their periods run, each with the three nakshatras it rules: the
// 1st, 10th and 19th are Ketu's, the 2nd, 11th and 20th Venus's, and so on round.
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
// nakshatra's edge is the previous nakshatra's 4th (Revati's, below 0° or 360°). Whole turns
// either way are the same longitude.
TEST(NakshatraTest, EveryEdgeBelongsToWhatBeginsThere) {
  EXPECT_EQ(NakshatraOf(360.0), NakshatraOf(0.0));
  for (int n = 0; n < 27; ++n) {
    const auto& [lord, names] = kLords[n % 9];
    const std::string_view name = names[n / 9];
    EXPECT_EQ(NakshatraName(n + 1), name);
    for (int pada = 1; pada <= 4; ++pada) {
      const double edgeDeg = (n * 800 + (pada - 1) * 200) / 60.0;
      const NakshatraPlace at = NakshatraOf(edgeDeg);
      EXPECT_EQ(std::tuple(at.number, at.pada, at.lord), std::tuple(n + 1, pada, lord))
          << name << " " << pada;
      EXPECT_NEAR(at.traversed, (pada - 1) / 4.0, 1e-14) << name << " " << pada;
      const NakshatraPlace below = NakshatraOf(std::nextafter(edgeDeg > 0 ? edgeDeg : 360, 0));
      EXPECT_EQ(std::tuple(below.number, below.pada),
                pada > 1 ? std::tuple(n + 1, pada - 1) : std::tuple((n + 26) % 27 + 1, 4))
          << name << " " << pada;
    }
  }
}

}  // namespace
}  // namespace tarvel
