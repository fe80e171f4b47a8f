#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "argala/argala_summary.h"
#include "argala_test_support.h"

namespace tarvel {
namespace {

using testing::MakeChart;
using Kind = SummaryKind;
using Verdict = SummaryVerdict;

PlanetSet Set(std::initializer_list<PlanetIndex> planets) {
  PlanetSet set = 0;
  for (const PlanetIndex planet : planets) set |= static_cast<PlanetSet>(1u << planet);
  return set;
}

// A recipient: a planet, or a house from 1 to 12.
struct Recipient {
  bool house = false;
  int index = 0;
};

constexpr Recipient Planet(PlanetIndex planet) {
  return {false, planet};
}
constexpr Recipient House(int house) {
  return {true, house};
}

struct SummaryCase {
  std::string_view rule;
  ChartSigns signs;
  Recipient recipient;
  std::vector<SummaryEntry> expected;
};

// Charts built by hand with the ascendant in Aries unless said; "" leaves a planet out.
// Planet order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, N Node, S Node.
const SummaryCase kCases[] = {
    {"2nd against 12th, Obstructed; 4th against 10th, Balanced",
     testing::WorkedChart(),
     Planet(Sun),
     {{2, Kind::Primary, Verdict::Obstructed, Set({Moon}), Set({Venus, SNode})},
      {4, Kind::Primary, Verdict::Balanced, Set({Mars}), Set({Saturn})}}},
    {"11th against 3rd, Prevails",
     MakeChart("Ari", {"Ari", "Aqu", "Gem", "Aqu", "", "", "", "", ""}),
     Planet(Sun),
     {{11, Kind::Primary, Verdict::Prevails, Set({Moon, Venus}), Set({Mercury})}}},
    {"5th against 9th, Balanced",
     MakeChart("Ari", {"Ari", "", "", "", "", "Leo", "Sag", "", ""}),
     Planet(Sun),
     {{5, Kind::Secondary, Verdict::Balanced, Set({Jupiter}), Set({Saturn})}}},
    {"8th unpaired; a 10th or 9th before an empty 4th or 5th gives nothing",
     MakeChart("Ari", {"Ari", "Sco", "", "Vir", "Cap", "Sag", "", "", ""}),
     Planet(Sun),
     {{8, Kind::Secondary, Verdict::Unobstructed, Set({Moon}), 0}}},
    {"three malefics in the 3rd: Vipareeta; a benefic beside them still obstructs",
     MakeChart("Ari", {"Ari", "Aqu", "", "", "Gem", "Gem", "Gem", "Gem", "Sag"}),
     Planet(Sun),
     {{11, Kind::Primary, Verdict::Balanced, Set({Moon}), Set({Jupiter})},
      {3, Kind::Vipareeta, Verdict::Unobstructed, Set({Mars, Saturn, NNode}), 0}}},
    {"two malefics in the 3rd only obstruct",
     MakeChart("Ari", {"Ari", "Aqu", "", "", "Gem", "", "Gem", "", ""}),
     Planet(Sun),
     {{11, Kind::Primary, Verdict::Obstructed, Set({Moon}), Set({Mars, Saturn})}}},
    {"S Node counts backward",
     MakeChart("Ari", {"", "", "Ari", "", "", "Aqu", "", "", "Pis"}),
     Planet(SNode),
     {{2, Kind::Primary, Verdict::Balanced, Set({Jupiter}), Set({Mercury})}}},
    {"S Node of the worked chart",
     testing::WorkedChart(),
     Planet(SNode),
     {{4, Kind::Primary, Verdict::Unobstructed, Set({Jupiter}), 0},
      {11, Kind::Primary, Verdict::Balanced, Set({Moon}), Set({Saturn})}}},
    {"house 4 of a Leo ascendant counts forward from Scorpio",
     MakeChart("Leo", {"", "Lib", "", "Sag", "", "", "", "", ""}),
     House(4),
     {{2, Kind::Primary, Verdict::Balanced, Set({Venus}), Set({Moon})}}},
    {"house 7 of the worked chart (Libra)",
     testing::WorkedChart(),
     House(7),
     {{4, Kind::Primary, Verdict::Balanced, Set({Saturn}), Set({Mars})},
      {8, Kind::Secondary, Verdict::Unobstructed, Set({Moon}), 0}}},
};

class ArgalaSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(ArgalaSummaryTest, EntriesOfTheRecipient) {
  const SummaryCase& row = GetParam();
  const ArgalaSummary summary = SummariseArgala(row.signs);
  const RecipientSummary& recipient = row.recipient.house ? summary.houses[row.recipient.index - 1]
                                                          : summary.planets[row.recipient.index];
  const std::span<const SummaryEntry> entries = recipient.Entries();
  EXPECT_EQ(std::vector<SummaryEntry>(entries.begin(), entries.end()), row.expected) << row.rule;
}

INSTANTIATE_TEST_SUITE_P(Rules, ArgalaSummaryTest, ::testing::ValuesIn(kCases));

TEST(ArgalaSummaryHousesTest, HouseSignsRunFromTheAscendant) {
  const ChartSigns signs = MakeChart("Cap", {"", "", "", "", "", "", "", "", ""});
  EXPECT_EQ(HouseSign(signs, 1), 9);
  EXPECT_EQ(HouseSign(signs, 4), 0);
  EXPECT_EQ(HouseSign(signs, 12), 8);
}

}  // namespace
}  // namespace tarvel
