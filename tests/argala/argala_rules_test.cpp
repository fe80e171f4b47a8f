#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "argala_test_support.h"

namespace tarvel {
namespace {

using testing::ChartOf;
using testing::Evaluated;
using testing::EvaluatedChart;
using testing::MakeChart;

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

std::vector<std::string> CastBy(const std::vector<std::string>& list, const std::string& caster) {
  std::vector<std::string> found;
  for (const std::string& entry : list) {
    if (entry.starts_with(caster + "/")) found.push_back(entry);
  }
  return found;
}

using Abbrevs = std::vector<std::string_view>;

struct PositionsCase {
  PlanetIndex planet;
  std::string_view sign;
  std::vector<int> positions;
  Abbrevs expected;
};

// The S Node counts backward, every other planet forward; the 1st position is the own sign.
const PositionsCase kPositionsCases[] = {
    {SNode, "Pis", {2, 4, 11, 5, 8}, {"Aqu", "Sag", "Tau", "Sco", "Leo"}},
    {SNode, "Pis", {3, 10, 12, 9}, {"Cap", "Gem", "Ari", "Can"}},
    {SNode, "Ari", {2, 12}, {"Pis", "Tau"}},
    {NNode, "Ari", {2, 4, 11, 5, 8}, {"Tau", "Can", "Aqu", "Leo", "Sco"}},
    {NNode, "Ari", {3, 10, 12, 9}, {"Gem", "Cap", "Pis", "Sag"}},
    {Saturn, "Cap", {1, 12}, {"Cap", "Sag"}},
    {SNode, "Cap", {1, 12}, {"Cap", "Aqu"}},
};

TEST(ArgalaPositionsTest, SignsAtPositionsFromAPlanet) {
  for (const PositionsCase& c : kPositionsCases) {
    Abbrevs signs;
    for (const int position : c.positions) {
      const int from = *testing::SignNamed(c.sign);
      signs.push_back(SignAbbrev(SignAtPosition(from, position, CountingOf(c.planet))));
    }
    EXPECT_EQ(signs, c.expected) << kPlanetNames[c.planet] << " in " << c.sign;
  }
}

struct HousesCase {
  std::string_view signs;
  std::array<std::string, kPlanetCount> expected;
};

// The ascendant's sign is house 1 and the sign before it 12; an unknown ascendant counts from
// Aries; a planet of unknown sign has no house.
const HousesCase kHousesCases[] = {
    {"Leo Leo Can Vir Aqu Leo Leo Leo Leo Leo", {"1", "12", "2", "7", "1", "1", "1", "1", "1"}},
    {"ari Ari Tau Gem Can Leo Vir Lib Sco Sag", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    {"Ari Ari --- Ari Ari Ari Ari Ari Ari Can", {"1", "", "1", "1", "1", "1", "1", "1", "4"}},
};

TEST(HousesTest, CountedFromTheAscendantsSign) {
  for (const HousesCase& c : kHousesCases) {
    EXPECT_EQ(Evaluated(ChartOf(c.signs)).houses, c.expected) << c.signs;
  }
}

struct ListCase {
  std::string_view signs;
  std::vector<std::string> entries;   ///< each found in the Argala list
  std::vector<std::string> silent{};  ///< planets that cast no Argala at all
};

const ListCase kListCases[] = {
    // Counted from Aries, the Moon's 4th position is Cancer, where the S Node stands.
    {"Ari Ari --- Ari Ari Ari Ari Ari Ari Can",
     {"S Node/Primary Argala (Paap Argala) on Moon (House )"},
     {"Moon"}},
    // The Sun stands in the Moon's 12th, which gives no Argala.
    {"Sco Gem Can Lib Lib Lib Lib Lib Lib Sco",
     {"Moon/Primary Argala (Shubha Argala) on Sun (House 8)"},
     {"Sun"}},
    {"Ari Ari Ari Ari Ari Tau Ari Vir Ari Ari",
     {"Saturn/Secondary Argala (Paap Argala) on Mars (House 2)"}},
    {"Ari Ari Ari Ari Ari Sco Sco Ari Ari Ari",
     {"Mars/Secondary Argala (Paap Argala) on Sun (House 1)",
      "Jupiter/Secondary Argala (Shubha Argala) on Sun (House 1)"}},
};

TEST(ArgalaListTest, EntriesAndPlanetsThatCastNothing) {
  for (const ListCase& c : kListCases) {
    const EvaluatedChart state = Evaluated(ChartOf(c.signs));
    for (const std::string& entry : c.entries) EXPECT_TRUE(Contains(state.argala, entry)) << entry;
    for (const std::string& caster : c.silent) {
      EXPECT_TRUE(CastBy(state.argala, caster).empty()) << c.signs << ": " << caster;
    }
  }
}

TEST(ArgalaListTest, CastersInOneSignFollowPlanetIndexOrder) {
  // Saturn, Mercury and Venus share the Sun's 2nd sign; every other planet is in the Sun's sign.
  const EvaluatedChart state =
      Evaluated(MakeChart("Gem", {"Gem", "Gem", "Can", "Can", "Gem", "Gem", "Can", "Gem", "Gem"}));
  std::vector<std::string> onSun;
  for (const std::string& entry : state.argala) {
    if (entry.ends_with(" on Sun (House 1)")) onSun.push_back(entry);
  }
  EXPECT_EQ(onSun, (std::vector<std::string>{
                       "Mercury/Primary Argala (Shubha Argala) on Sun (House 1)",
                       "Venus/Primary Argala (Shubha Argala) on Sun (House 1)",
                       "Saturn/Primary Argala (Paap Argala) on Sun (House 1)",
                   }));
}

TEST(ArgalaListTest, NineIndividualPlanetsInOneSignCastNothing) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Leo", {"Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo"}));
  EXPECT_TRUE(state.argala.empty());
  EXPECT_TRUE(state.virodhargala.empty());
}

// Jupiter in Gemini is the 3rd from the planets in Aries. The S Node in Leo has Aries in its
// positions but not Gemini; in Cancer its 2nd position is Gemini, so Jupiter casts Argala.
TEST(VirodhargalaListTest, PlanetThatCastsNothingNeverObstructs) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Ari", "Gem", "Ari", "Ari", "Leo"}));
  EXPECT_TRUE(CastBy(state.argala, "Jupiter").empty());
  EXPECT_TRUE(CastBy(state.virodhargala, "Jupiter").empty());
  EXPECT_FALSE(state.virodhargala.empty());
}

TEST(VirodhargalaListTest, SamePlanetObstructsOnceItCastsArgala) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Ari", "Gem", "Ari", "Ari", "Can"}));
  EXPECT_EQ(
      CastBy(state.argala, "Jupiter"),
      (std::vector<std::string>{"Jupiter/Primary Argala (Shubha Argala) on S Node (House 4)"}));
  EXPECT_TRUE(Contains(state.virodhargala, "Jupiter/Virodhargala (Malefic) on Sun (House 1)"));
}

struct LabelCase {
  int house;
  const char* benefic;
  const char* malefic;
};

constexpr LabelCase kLabelCases[] = {
    {1, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {2, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {3, "/Primary Virodhargala (Benefic) on ", "/Primary Virodhargala (Benefic) on "},
    {4, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {5, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {6, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {7, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {8, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {9, "/Secondary Virodhargala (Benefic) on ", "/Secondary Virodhargala (Benefic) on "},
    {10, "/Primary Virodhargala (Benefic) on ", "/Primary Virodhargala (Benefic) on "},
    {11, "/Virodhargala (Malefic) on ", "/Virodhargala (Benefic) on "},
    {12, "/Primary Virodhargala (Benefic) on ", "/Primary Virodhargala (Benefic) on "},
};

class VirodhargalaLabelTest : public ::testing::TestWithParam<LabelCase> {};

// The Sun in Aries is obstructed from Gemini by the Moon and Mars, which cast on Mercury in
// Taurus; the ascendant moves the Sun through all twelve houses.
TEST_P(VirodhargalaLabelTest, ChartWithTheRecipientInThatHouse) {
  const int ascendant = (kSignCount + 1 - GetParam().house) % kSignCount;
  const std::string ascendantSign(kSignAbbrevs.substr(3 * ascendant, 3));
  const EvaluatedChart state = Evaluated(
      MakeChart(ascendantSign, {"Ari", "Gem", "Tau", "Ari", "Gem", "Ari", "Ari", "Ari", "Ari"}));
  const std::string onSun = "Sun (House " + std::to_string(GetParam().house) + ")";
  EXPECT_TRUE(Contains(state.virodhargala, "Moon" + std::string(GetParam().benefic) + onSun));
  EXPECT_TRUE(Contains(state.virodhargala, "Mars" + std::string(GetParam().malefic) + onSun));
}

INSTANTIATE_TEST_SUITE_P(AllHouses, VirodhargalaLabelTest, ::testing::ValuesIn(kLabelCases));

TEST(PlanetNatureTest, MaleficGroup) {
  for (const PlanetIndex planet : {Sun, Saturn, Mars, NNode, SNode}) {
    EXPECT_TRUE(IsMalefic(planet)) << planet;
  }
  for (const PlanetIndex planet : {Moon, Mercury, Venus, Jupiter}) {
    EXPECT_FALSE(IsMalefic(planet)) << planet;
  }
}

TEST(EntryTextTest, EveryLabelByKindStrengthAndNature) {
  struct LabelText {
    ArgalaEntry entry;
    const char* label;
  };
  using enum ArgalaKind;
  using enum ArgalaStrength;
  using enum ArgalaNature;
  const LabelText cases[] = {
      {{Argala, Mars, Sun, Primary, Paap, 1}, "/Primary Argala (Paap Argala) on "},
      {{Argala, Mars, Sun, Secondary, Paap, 1}, "/Secondary Argala (Paap Argala) on "},
      {{Argala, Moon, Sun, Primary, Shubha, 1}, "/Primary Argala (Shubha Argala) on "},
      {{Argala, Moon, Sun, Secondary, Shubha, 1}, "/Secondary Argala (Shubha Argala) on "},
      {{Virodhargala, Moon, Sun, Primary, Benefic, 3}, "/Primary Virodhargala (Benefic) on "},
      {{Virodhargala, Moon, Sun, Secondary, Benefic, 9}, "/Secondary Virodhargala (Benefic) on "},
      {{Virodhargala, Mars, Sun, Plain, Benefic, 1}, "/Virodhargala (Benefic) on "},
      {{Virodhargala, Moon, Sun, Plain, Malefic, 1}, "/Virodhargala (Malefic) on "},
  };
  for (const LabelText& c : cases) {
    std::string label;
    AppendEntryLabel(label, c.entry);
    EXPECT_EQ(label, c.label);
    EXPECT_EQ(EntryText(c.entry), std::string(kPlanetNames[c.entry.caster]) + c.label +
                                      "Sun (House " + std::to_string(*c.entry.recipientHouse) +
                                      ")");
  }
}

TEST(EntryTextTest, UnknownHouseIsLeftEmpty) {
  const ArgalaEntry entry{ArgalaKind::Argala, SNode,       Moon, ArgalaStrength::Primary,
                          ArgalaNature::Paap, std::nullopt};
  EXPECT_EQ(EntryText(entry), "S Node/Primary Argala (Paap Argala) on Moon (House )");
}

}  // namespace
}  // namespace tarvel
