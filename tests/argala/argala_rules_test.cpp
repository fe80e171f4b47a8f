#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "argala/argala_lists.h"
#include "argala/argala_tables.h"
#include "argala/evaluate_argala.h"
#include "argala_test_support.h"

namespace tarvel {
namespace {

using testing::MakeChart;
using testing::RecordingResultView;

ChartState Evaluated(ChartState state) {
  RecordingResultView view;
  EvaluateArgala(state, view);
  return state;
}

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

TEST(ArgalaPositionsTest, SNodeInPiscesCountsBackward) {
  PlanetTable signs;
  signs[SNode] = "05 Pis 12";
  const ArgalaTables tables = BuildArgalaTables(0, signs);
  EXPECT_EQ(tables.ArgalaPositions[SNode],
            (ArgalaPositionSigns{"Aqu", "Sag", "Tau", "Sco", "Leo"}));
  EXPECT_EQ(tables.ObstructionPositions[SNode],
            (ObstructionPositionSigns{"Cap", "Gem", "Ari", "Can"}));
}

TEST(ArgalaPositionsTest, SNodeInAriesContinuesWithPisces) {
  PlanetTable signs;
  signs[SNode] = "05 Ari 12";
  const ArgalaTables tables = BuildArgalaTables(0, signs);
  EXPECT_EQ(tables.ArgalaPositions[SNode][0], "Pis");
  EXPECT_EQ(tables.ObstructionPositions[SNode][2], "Tau");
}

TEST(ArgalaPositionsTest, NNodeInAriesCountsForward) {
  PlanetTable signs;
  signs[NNode] = "05 Ari 12";
  const ArgalaTables tables = BuildArgalaTables(0, signs);
  EXPECT_EQ(tables.ArgalaPositions[NNode],
            (ArgalaPositionSigns{"Tau", "Can", "Aqu", "Leo", "Sco"}));
  EXPECT_EQ(tables.ObstructionPositions[NNode],
            (ObstructionPositionSigns{"Gem", "Cap", "Pis", "Sag"}));
}

TEST(ArgalaPositionsTest, CountedSignsStartAtTheOwnSign) {
  EXPECT_EQ(CountedSigns(Saturn, 9)[0], "Cap");
  EXPECT_EQ(CountedSigns(Saturn, 9)[11], "Sag");
  EXPECT_EQ(CountedSigns(SNode, 9)[11], "Aqu");
}

TEST(HousesTest, AscendantSignIsHouseOneAndTheSignBeforeIsTwelve) {
  const ChartState state =
      Evaluated(MakeChart("Leo", {"Leo", "Can", "Vir", "Aqu", "Leo", "Leo", "Leo", "Leo", "Leo"}));
  EXPECT_EQ(state.PlanetHouses[Sun], "1");
  EXPECT_EQ(state.PlanetHouses[Moon], "12");
  EXPECT_EQ(state.PlanetHouses[Mercury], "2");
  EXPECT_EQ(state.PlanetHouses[Venus], "7");
}

TEST(HousesTest, UnrecognisableAscendantCountsFromAriesAndMarksNoBox) {
  ChartState chart =
      MakeChart("Ari", {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag"});
  chart.AscendantPosition = "12\u00b0 34' 56\" ari";
  const ChartState state = Evaluated(chart);
  EXPECT_EQ(state.PlanetHouses[Sun], "1");
  EXPECT_EQ(state.PlanetHouses[SNode], "9");
  EXPECT_EQ(state.SignContents[0], "S");
}

TEST(HousesTest, AscendantPositionIsTrimmedBeforeItsSignIsRead) {
  ChartState chart =
      MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari"});
  chart.AscendantPosition = "3\u00b0 0' 9\" Cap  ";
  EXPECT_EQ(Evaluated(chart).PlanetHouses[Sun], "4");
}

TEST(HousesTest, PlanetWithUnrecognisableSignHasNoHouseAndCountsFromAries) {
  ChartState chart =
      MakeChart("Ari", {"Ari", "Pis", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Can"});
  chart.PlanetSigns[Moon] = "10 xyz 07";
  const ChartState state = Evaluated(chart);
  EXPECT_EQ(state.PlanetHouses[Moon], "");
  // Counted from Aries, the Moon's 4th position is Cancer, where the S Node stands.
  EXPECT_TRUE(Contains(state.ArgalaList, "S Node/Primary Argala (Paap Argala) on Moon (House )"));
  EXPECT_TRUE(CastBy(state.ArgalaList, "Moon").empty());
}

TEST(ArgalaListTest, MoonOneSignAfterSunCastsOnItButNotTheOtherWay) {
  const ChartState state =
      Evaluated(MakeChart("Sco", {"Gem", "Can", "Lib", "Lib", "Lib", "Lib", "Lib", "Lib", "Sco"}));
  EXPECT_TRUE(Contains(state.ArgalaList, "Moon/Primary Argala (Shubha Argala) on Sun (House 8)"));
  EXPECT_TRUE(CastBy(state.ArgalaList, "Sun").empty());
}

TEST(ArgalaListTest, SaturnInMarssFifthCastsSecondaryPaap) {
  const ChartState state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Tau", "Ari", "Vir", "Ari", "Ari"}));
  EXPECT_TRUE(
      Contains(state.ArgalaList, "Saturn/Secondary Argala (Paap Argala) on Mars (House 2)"));
}

TEST(ArgalaListTest, EighthPositionGivesSecondaryArgalaByNature) {
  // Mars and Jupiter stand in the 8th from the Sun in Aries.
  const ChartState state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Sco", "Sco", "Ari", "Ari", "Ari"}));
  EXPECT_TRUE(Contains(state.ArgalaList, "Mars/Secondary Argala (Paap Argala) on Sun (House 1)"));
  EXPECT_TRUE(
      Contains(state.ArgalaList, "Jupiter/Secondary Argala (Shubha Argala) on Sun (House 1)"));
}

TEST(ArgalaListTest, CastersInOneSignFollowPlanetIndexOrder) {
  // Saturn, Mercury and Venus share the Sun's 2nd sign; every other planet is in the Sun's sign.
  const ChartState state =
      Evaluated(MakeChart("Gem", {"Gem", "Gem", "Can", "Can", "Gem", "Gem", "Can", "Gem", "Gem"}));
  std::vector<std::string> onSun;
  for (const std::string& entry : state.ArgalaList) {
    if (entry.ends_with(" on Sun (House 1)")) onSun.push_back(entry);
  }
  EXPECT_EQ(onSun, (std::vector<std::string>{
                       "Mercury/Primary Argala (Shubha Argala) on Sun (House 1)",
                       "Venus/Primary Argala (Shubha Argala) on Sun (House 1)",
                       "Saturn/Primary Argala (Paap Argala) on Sun (House 1)",
                   }));
}

TEST(ArgalaListTest, NineIndividualPlanetsInOneSignCastNothing) {
  const ChartState state =
      Evaluated(MakeChart("Leo", {"Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo", "Leo"}));
  EXPECT_TRUE(state.ArgalaList.empty());
  EXPECT_TRUE(state.VirodhargalaList.empty());
}

// Jupiter in Gemini is the 3rd from the planets in Aries. The S Node in Leo has Aries in its
// positions but not Gemini; in Cancer its 2nd position is Gemini, so Jupiter casts Argala.
TEST(VirodhargalaListTest, PlanetThatCastsNothingNeverObstructs) {
  const ChartState state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Ari", "Gem", "Ari", "Ari", "Leo"}));
  EXPECT_TRUE(CastBy(state.ArgalaList, "Jupiter").empty());
  EXPECT_TRUE(CastBy(state.VirodhargalaList, "Jupiter").empty());
  EXPECT_FALSE(state.VirodhargalaList.empty());
}

TEST(VirodhargalaListTest, SamePlanetObstructsOnceItCastsArgala) {
  const ChartState state =
      Evaluated(MakeChart("Ari", {"Ari", "Ari", "Ari", "Ari", "Ari", "Gem", "Ari", "Ari", "Can"}));
  EXPECT_EQ(
      CastBy(state.ArgalaList, "Jupiter"),
      (std::vector<std::string>{"Jupiter/Primary Argala (Shubha Argala) on S Node (House 4)"}));
  EXPECT_TRUE(Contains(state.VirodhargalaList, "Jupiter/Virodhargala (Malefic) on Sun (House 1)"));
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

TEST_P(VirodhargalaLabelTest, DependsOnTheRecipientsHouse) {
  EXPECT_EQ(VirodhargalaLabel(false, GetParam().house), GetParam().benefic);
  EXPECT_EQ(VirodhargalaLabel(true, GetParam().house), GetParam().malefic);
}

// The Sun in Aries is obstructed from Gemini by the Moon and Mars, which cast on Mercury in
// Taurus; the ascendant moves the Sun through all twelve houses.
TEST_P(VirodhargalaLabelTest, ChartWithTheRecipientInThatHouse) {
  const int ascendant = (kSignCount + 1 - GetParam().house) % kSignCount;
  const std::string ascendantSign(kSignAbbrevs.substr(3 * ascendant, 3));
  const ChartState state = Evaluated(
      MakeChart(ascendantSign, {"Ari", "Gem", "Tau", "Ari", "Gem", "Ari", "Ari", "Ari", "Ari"}));
  const std::string onSun = "Sun (House " + std::to_string(GetParam().house) + ")";
  EXPECT_TRUE(Contains(state.VirodhargalaList, "Moon" + std::string(GetParam().benefic) + onSun));
  EXPECT_TRUE(Contains(state.VirodhargalaList, "Mars" + std::string(GetParam().malefic) + onSun));
}

INSTANTIATE_TEST_SUITE_P(AllHouses, VirodhargalaLabelTest, ::testing::ValuesIn(kLabelCases));

TEST(PlanetNatureTest, MaleficGroupIsDecidedByName) {
  for (const char* name : {"Sun", "Saturn", "Mars", "N Node", "S Node"}) {
    EXPECT_TRUE(IsMalefic(name)) << name;
  }
  for (const char* name : {"Moon", "Mercury", "Venus", "Jupiter", "sun", ""}) {
    EXPECT_FALSE(IsMalefic(name)) << name;
  }
}

TEST(ArgalaLabelTest, KindAndNature) {
  EXPECT_EQ(ArgalaLabel(true, true), "/Primary Argala (Paap Argala) on ");
  EXPECT_EQ(ArgalaLabel(true, false), "/Secondary Argala (Paap Argala) on ");
  EXPECT_EQ(ArgalaLabel(false, true), "/Primary Argala (Shubha Argala) on ");
  EXPECT_EQ(ArgalaLabel(false, false), "/Secondary Argala (Shubha Argala) on ");
}

}  // namespace
}  // namespace tarvel
