#include <gtest/gtest.h>

#include <vector>

#include "argala/argala_summary.h"
#include "argala_test_support.h"

namespace tarvel {
namespace {

using testing::MakeChart;
using testing::Set;
using testing::WorkedChart;
using K = SummaryKind;
using V = SummaryVerdict;

// A house from 1 to 12, or 0 and a planet.
struct Recipient {
  int house;
  PlanetIndex planet;
};

struct SummaryCase {
  ChartSigns signs;
  Recipient recipient;
  std::vector<SummaryEntry> expected;
};

// Hand-built charts (ascendant first, then Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn,
// N Node, S Node; "" leaves a planet out) and the entries derived by hand from the rules.
const SummaryCase kCases[] = {
    // 2nd against the 12th, Obstructed; 4th against the 10th, Balanced; an empty 5th.
    {WorkedChart(),
     {0, Sun},
     {{2, K::Primary, V::Obstructed, Set({Moon}), Set({Venus, SNode})},
      {4, K::Primary, V::Balanced, Set({Mars}), Set({Saturn})}}},
    // Three malefics in the 3rd give Vipareeta; Jupiter beside them still obstructs the 11th.
    // The 8th is unpaired: Mercury in the 6th obstructs nothing.
    {MakeChart("Ari", {"Ari", "Aqu", "Vir", "Sco", "Gem", "Gem", "Gem", "Gem", "Sag"}),
     {0, Sun},
     {{11, K::Primary, V::Balanced, Set({Moon}), Set({Jupiter})},
      {8, K::Secondary, V::Unobstructed, Set({Venus}), 0},
      {3, K::Vipareeta, V::Unobstructed, Set({Mars, Saturn, NNode}), 0}}},
    // Two malefics in the 3rd only obstruct; the 5th against the 9th.
    {MakeChart("Ari", {"Ari", "Aqu", "", "Leo", "Gem", "Leo", "Gem", "Sag", ""}),
     {0, Sun},
     {{11, K::Primary, V::Obstructed, Set({Moon}), Set({Mars, Saturn})},
      {5, K::Secondary, V::Prevails, Set({Venus, Jupiter}), Set({NNode})}}},
    // The S Node in Pisces counts backward: Sagittarius is its 4th, Taurus its 11th.
    {WorkedChart(),
     {0, SNode},
     {{4, K::Primary, V::Unobstructed, Set({Jupiter}), 0},
      {11, K::Primary, V::Balanced, Set({Moon}), Set({Saturn})}}},
    // House 7 is Libra, counted forward: Capricorn its 4th, Taurus its 8th.
    {WorkedChart(),
     {7, Sun},
     {{4, K::Primary, V::Balanced, Set({Saturn}), Set({Mars})},
      {8, K::Secondary, V::Unobstructed, Set({Moon}), 0}}},
};

class ArgalaSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(ArgalaSummaryTest, EntriesOfTheRecipient) {
  const SummaryCase& row = GetParam();
  const ArgalaSummary summary = SummariseArgala(row.signs);
  const Recipient& r = row.recipient;
  const auto entries =
      (r.house ? summary.houses[r.house - 1] : summary.planets[r.planet]).Entries();
  EXPECT_EQ(std::vector<SummaryEntry>(entries.begin(), entries.end()), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ArgalaSummaryTest, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace tarvel
