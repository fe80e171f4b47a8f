#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "cli/chart/chart_text.h"
#include "cli/chart/text_canvas.h"
#include "document/chart_captions.h"

namespace tarvel {
namespace {

using Lines = std::vector<std::string>;

// Items by their texts alone, which is all the text chart shows of them.
BoxItems Items(std::initializer_list<std::string_view> labels) {
  BoxItems items;
  for (const std::string_view label : labels) items.push_back({std::nullopt, label});
  return items;
}

ChartCaptions WorkedChartCaptions() {
  ChartCaptions captions;
  captions.signItems = {Items({"Asc", "S", "Me"}),
                        Items({"Mo"}),
                        {},
                        Items({"Ma"}),
                        {},
                        Items({"NN"}),
                        {},
                        {},
                        Items({"J"}),
                        Items({"Sa"}),
                        {},
                        Items({"V", "SN"})};
  captions.lblPlanet = {"S/Sun/Surya",     "Mo/Moon/Chandra", "Me/Mercury/Budha",
                        "V/Venus/Shukra",  "Ma/Mars/Mangala", "J/Jupiter/Guru",
                        "Sa/Saturn/Shani", "NN/N Node/Rahu",  "SN/S Node/Ketu"};
  captions.lblPlanets_Name = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                              "Jupiter", "Saturn", "N Node",  "S Node"};
  captions.lblPlanets_Position = {"10 Ari 07", "11 Tau 07", "12 Ari 07", "13 Pis 07", "14 Can 07",
                                  "15 Sag 07", "16 Cap 07", "17 Vir 07", "18 Pis 07"};
  return captions;
}

TEST(ChartTextTest, WorkedChart) {
  const std::string expected = std::string(R"(
┌──────────────┬──────────────┬──────────────┬──────────────┐
│ V / SN       │ Asc / S / Me │ Mo           │              │  Sun     10 Ari 07
│              │              │              │              │  Moon    11 Tau 07
│              │              │              │              │  Mercury 12 Ari 07
│              │              │              │              │  Venus   13 Pis 07
│           12 │            1 │            2 │            3 │  Mars    14 Can 07
├──────────────┼──────────────┴──────────────┼──────────────┤  Jupiter 15 Sag 07
│              │                             │ Ma           │  Saturn  16 Cap 07
│              │      S/Sun/Surya            │              │  N Node  17 Vir 07
│              │      Mo/Moon/Chandra        │              │  S Node  18 Pis 07
│              │      Me/Mercury/Budha       │              │
│           11 │      V/Venus/Shukra         │            4 │
├──────────────┤      Ma/Mars/Mangala        ├──────────────┤
│ Sa           │      J/Jupiter/Guru         │              │
│              │      Sa/Saturn/Shani        │              │
│              │      NN/N Node/Rahu         │              │
│              │      SN/S Node/Ketu         │              │
│           10 │                             │            5 │
├──────────────┼──────────────┬──────────────┼──────────────┤
│ J            │              │              │ NN           │
│              │              │              │              │
│              │              │              │              │
│              │              │              │              │
│            9 │            8 │            7 │            6 │
└──────────────┴──────────────┴──────────────┴──────────────┘
)")
                                   .substr(1);
  EXPECT_EQ(RenderChartText(WorkedChartCaptions()), expected);
}

TEST(ChartTextTest, LongContentsWrapAndDeepenTheirRow) {
  ChartCaptions captions;
  captions.signItems[0] = Items({"Mercury", "Jupiter", "Saturn", "Venus", "Mars", "Sun"});
  const std::string expected = std::string(R"(
┌──────────────┬──────────────┬──────────────┬──────────────┐
│              │ Mercury /    │              │              │
│              │ Jupiter /    │              │              │
│              │ Saturn /     │              │              │
│              │ Venus /      │              │              │
│              │ Mars / Sun   │              │              │
│           12 │            1 │            2 │            3 │
├──────────────┼──────────────┴──────────────┼──────────────┤
│              │                             │              │
│              │                             │              │
│              │                             │              │
│              │                             │              │
│           11 │                             │            4 │
├──────────────┤                             ├──────────────┤
│              │                             │              │
│              │                             │              │
│              │                             │              │
│              │                             │              │
│           10 │                             │            5 │
├──────────────┼──────────────┬──────────────┼──────────────┤
│              │              │              │              │
│              │              │              │              │
│              │              │              │              │
│              │              │              │              │
│            9 │            8 │            7 │            6 │
└──────────────┴──────────────┴──────────────┴──────────────┘
)")
                                   .substr(1);
  EXPECT_EQ(RenderChartText(captions), expected);
}

// With degrees the boxes widen to the widest item and its " /", and no item is broken.
TEST(ChartTextTest, DegreesWidenTheBoxesAndTheAscendantEndsTheList) {
  ChartCaptions captions = WorkedChartCaptions();
  captions.signItems[0] = {
      {std::nullopt, "Asc", "03°30'"}, {Sun, "S", "10°07'"}, {Mercury, "Me", "12°07'", true}};
  captions.ascendantName = "Ascendant";
  captions.ascendantPosition = "03 Ari 30";
  const std::string text = RenderChartText(captions);
  for (const char* row : {"│ V / SN          │ Asc 03°30' /    │", "│ S 10°07' /      │",
                          "│ Me 12°07' (R)   │  ", "│  Ascendant 03 Ari 30\n"}) {
    EXPECT_NE(text.find(row), std::string::npos) << row;
  }
}

TEST(WrapTextTest, CutsWordsWiderThanALine) {
  EXPECT_EQ(WrapText("abcdefghij", 4), (Lines{"abcd", "efgh", "ij"}));
  EXPECT_EQ(WrapText("ab abcdefgh", 4), (Lines{"ab", "abcd", "efgh"}));
}

TEST(WrapTextTest, EmptyAndBlankTextGiveNoLines) {
  EXPECT_TRUE(WrapText("", 12).empty());
  EXPECT_TRUE(WrapText("   ", 12).empty());
}

TEST(WrapTextTest, CountsCodePointsNotBytes) {
  EXPECT_EQ(DisplayWidth("S\u00fcd \u2502"), 5);
  EXPECT_EQ(WrapText("\u00e9\u00e9\u00e9 \u00e9\u00e9", 6),
            (Lines{"\u00e9\u00e9\u00e9 \u00e9\u00e9"}));
  EXPECT_EQ(WrapText("\u00e9\u00e9\u00e9 \u00e9\u00e9", 5),
            (Lines{"\u00e9\u00e9\u00e9", "\u00e9\u00e9"}));
}

TEST(TextCanvasTest, RulesJoinWhereTheyMeet) {
  TextCanvas canvas(5, 3);
  canvas.RuleHorizontal(1, 0, 4);
  canvas.RuleVertical(2, 0, 2);
  canvas.Put(0, 0, "ab");
  EXPECT_EQ(canvas.Render(), "ab\u2502\n\u2500\u2500\u253c\u2500\u2500\n  \u2502\n");
}

}  // namespace
}  // namespace tarvel
