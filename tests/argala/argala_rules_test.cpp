#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "argala_test_support.h"

namespace tarvel {
namespace {

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

// The signs at a list of positions counted from a planet, as abbreviations.
std::vector<std::string_view> SignsAt(PlanetIndex planet, std::string_view sign,
                                      std::initializer_list<int> positions) {
  std::vector<std::string_view> signs;
  for (const int position : positions) {
    signs.push_back(SignAbbrev(SignAtPosition(planet, *testing::SignNamed(sign), position)));
  }
  return signs;
}

using Abbrevs = std::vector<std::string_view>;

TEST(ArgalaPositionsTest, SNodeInPiscesCountsBackward) {
  EXPECT_EQ(SignsAt(SNode, "Pis", {2, 4, 11, 5, 8}), (Abbrevs{"Aqu", "Sag", "Tau", "Sco", "Leo"}));
  EXPECT_EQ(SignsAt(SNode, "Pis", {3, 10, 12, 9}), (Abbrevs{"Cap", "Gem", "Ari", "Can"}));
}

TEST(ArgalaPositionsTest, SNodeInAriesContinuesWithPisces) {
  EXPECT_EQ(SignsAt(SNode, "Ari", {2, 12}), (Abbrevs{"Pis", "Tau"}));
}

TEST(ArgalaPositionsTest, NNodeInAriesCountsForward) {
  EXPECT_EQ(SignsAt(NNode, "Ari", {2, 4, 11, 5, 8}), (Abbrevs{"Tau", "Can", "Aqu", "Leo", "Sco"}));
  EXPECT_EQ(SignsAt(NNode, "Ari", {3, 10, 12, 9}), (Abbrevs{"Gem", "Cap", "Pis", "Sag"}));
}

TEST(ArgalaPositionsTest, FirstPositionIsTheOwnSign) {
  EXPECT_EQ(SignsAt(Saturn, "Cap", {1, 12}), (Abbrevs{"Cap", "Sag"}));
  EXPECT_EQ(SignsAt(SNode, "Cap", {1, 12}), (Abbrevs{"Cap", "Aqu"}));
}

TEST(HousesTest, AscendantSignIsHouseOneAndTheSignBeforeIsTwelve) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Leo", {"Leo", "Can", "Vir", "Aqu", "Leo", "Leo", "Leo", "Leo", "Leo"}));
  EXPECT_EQ(state.houses[Sun], "1");
  EXPECT_EQ(state.houses[Moon], "12");
  EXPECT_EQ(state.houses[Mercury], "2");
  EXPECT_EQ(state.houses[Venus], "7");
}

TEST(HousesTest, UnknownAscendantCountsFromAries) {
  const EvaluatedChart state =
      Evaluated(MakeChart("ari", {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag"}));
  EXPECT_EQ(state.houses[Sun], "1");
  EXPECT_EQ(state.houses[SNode], "9");
}

TEST(HousesTest, PlanetOfUnknownSignHasNoHouseAndCountsFromAries) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Ari", {"Ari", "xyz", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Can"}));
  EXPECT_EQ(state.houses[Moon], "");
  // Counted from Aries, the Moon's 4th position is Cancer, where the S Node stands.
  EXPECT_TRUE(Contains(state.argala, "S Node/Primary Argala (Paap Argala) on Moon (House )"));
  EXPECT_TRUE(CastBy(state.argala, "Moon").empty());
}

TEST(ArgalaListTest, MoonOneSignAfterSunCastsOnItButNotTheOtherWay) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Sco", {"Gem", "Can", "Lib", "Lib", "Lib", "Lib", "Lib", "Lib", "Sco"}));
  EXPECT_TRUE(Contains(state.argala, "Moon/Primary Argala (Shubha Argala) on Sun (House 8)"));
  EXPECT_TRUE(CastBy(state.argala, "Sun").empty());
}

TEST(ArgalaListTest, SaturnInMarssFifthCastsSecondaryPaap) {
  const EvaluatedChart state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Tau", "Ari", "Vir", "Ari", "Ari"}));
  EXPECT_TRUE(Contains(state.argala, "Saturn/Secondary Argala (Paap Argala) on Mars (House 2)"));
}

TEST(ArgalaListTest, EighthPositionGivesSecondaryArgalaByNature) {
  // Mars and Jupiter stand in the 8th from the Sun in Aries.
  const EvaluatedChart state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Sco", "Sco", "Ari", "Ari", "Ari"}));
  EXPECT_TRUE(Contains(state.argala, "Mars/Secondary Argala (Paap Argala) on Sun (House 1)"));
  EXPECT_TRUE(Contains(state.argala, "Jupiter/Secondary Argala (Shubha Argala) on Sun (House 1)"));
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
