#include "dasha/nakshatra.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvel {
namespace {

struct NakshatraRow {
  std::string_view name;
  int startDeg;  // where it begins, degrees and arc-minutes of sidereal longitude
  int startMin;
  PlanetIndex lord;
};

// Each begins 13°20′ after the one before; the lords follow Ketu, Venus, Sun, Moon, Mars,
// Rahu, Jupiter, Saturn, Mercury from Ashwini, three times round.
constexpr NakshatraRow kNakshatras[] = {
    {"Ashwini", 0, 0, SNode},
    {"Bharani", 13, 20, Venus},
    {"Krittika", 26, 40, Sun},
    {"Rohini", 40, 0, Moon},
    {"Mrigashira", 53, 20, Mars},
    {"Ardra", 66, 40, NNode},
    {"Punarvasu", 80, 0, Jupiter},
    {"Pushya", 93, 20, Saturn},
    {"Ashlesha", 106, 40, Mercury},
    {"Magha", 120, 0, SNode},
    {"Purva Phalguni", 133, 20, Venus},
    {"Uttara Phalguni", 146, 40, Sun},
    {"Hasta", 160, 0, Moon},
    {"Chitra", 173, 20, Mars},
    {"Swati", 186, 40, NNode},
    {"Vishakha", 200, 0, Jupiter},
    {"Anuradha", 213, 20, Saturn},
    {"Jyeshtha", 226, 40, Mercury},
    {"Mula", 240, 0, SNode},
    {"Purva Ashadha", 253, 20, Venus},
    {"Uttara Ashadha", 266, 40, Sun},
    {"Shravana", 280, 0, Moon},
    {"Dhanishta", 293, 20, Mars},
    {"Shatabhisha", 306, 40, NNode},
    {"Purva Bhadrapada", 320, 0, Jupiter},
    {"Uttara Bhadrapada", 333, 20, Saturn},
    {"Revati", 346, 40, Mercury},
};

// Every edge of a pada (3°20′ = 200′) belongs to the pada that begins there; the double just
// below it to the one before, which is the previous nakshatra's 4th at a nakshatra's edge.
TEST(NakshatraTest, EveryEdgeBelongsToWhatBeginsThere) {
  for (int n = 0; n < 27; ++n) {
    const NakshatraRow& row = kNakshatras[n];
    EXPECT_EQ(NakshatraName(n + 1), row.name);
    for (int pada = 1; pada <= 4; ++pada) {
      const double edgeDeg = (row.startDeg * 60 + row.startMin + (pada - 1) * 200) / 60.0;
      const NakshatraPlace at = NakshatraOf(edgeDeg);
      EXPECT_EQ(at.number, n + 1) << row.name << " " << pada;
      EXPECT_EQ(at.pada, pada) << row.name;
      EXPECT_EQ(at.lord, row.lord) << row.name;
      EXPECT_NEAR(at.traversed, (pada - 1) / 4.0, 1e-14) << row.name << " " << pada;
      const NakshatraPlace below = NakshatraOf(std::nextafter(edgeDeg > 0 ? edgeDeg : 360.0, 0.0));
      const int belowNumber = pada > 1 ? n + 1 : (n + 26) % 27 + 1;
      EXPECT_EQ(below.number, belowNumber) << row.name << " " << pada;
      EXPECT_EQ(below.pada, pada > 1 ? pada - 1 : 4) << row.name << " " << pada;
    }
  }
}

// Whole turns either way land on the same place, and 360° is Ashwini's start.
TEST(NakshatraTest, TurnsAreOneLongitude) {
  const NakshatraPlace ashwini{1, 1, SNode, 0};
  for (const double deg : {360.0, 720.0, -360.0}) EXPECT_EQ(NakshatraOf(deg), ashwini) << deg;
  EXPECT_EQ(NakshatraOf(-10.0), NakshatraOf(350.0));
  // 10° is three padas on: the 4th begins there.
  EXPECT_EQ(NakshatraOf(370.0), (NakshatraPlace{1, 4, SNode, 0.75}));
}

}  // namespace
}  // namespace tarvel
