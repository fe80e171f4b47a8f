#include <gtest/gtest.h>

#include "document/argala_explanation.h"
#include "tests/argala/argala_test_support.h"

namespace tarvel::testing {
namespace {

// Houses count whole signs from the ascendant's, or from Aries when it is unknown.
TEST(ArgalaExplanationTest, TheHouseOfASignCountsFromTheAscendant) {
  struct Case {
    std::string_view ascendant;
    std::string_view sign;
    int house;
  };
  const Case cases[] = {{"Sco", "Sco", 1},  {"Sco", "Pis", 5}, {"Sco", "Lib", 12},
                        {"Ari", "Pis", 12}, {"", "Ari", 1},    {"", "Leo", 5}};
  for (const Case& c : cases) {
    const ChartSigns signs = MakeChart(c.ascendant, {});
    EXPECT_EQ(HouseOfSign(signs, *SignNamed(c.sign)), c.house) << c.ascendant << " " << c.sign;
  }
}

// The worked chart's boxes: Aries "Asc / S / Me", Taurus "Mo", Pisces "V / SN".
TEST(ArgalaExplanationTest, APlanetsItemFollowsTheAscendantAndTheBoxsEarlierPlanets) {
  const std::pair<PlanetIndex, int> items[] = {{Sun, 1},   {Mercury, 2}, {Moon, 0},
                                               {Venus, 0}, {SNode, 1},   {Saturn, 0}};
  for (const auto& [planet, item] : items) {
    EXPECT_EQ(SignBoxItem(WorkedChart(), planet), item) << kPlanetNames[planet];
  }
  EXPECT_EQ(SignBoxItem(MakeChart("Ari", {}), Sun), std::nullopt);
}

// A planet no box shows cannot be explained; a house out of range neither.
TEST(ArgalaExplanationTest, NothingIsExplainedForAPlanetWithoutASignOrAHouseOutOfRange) {
  ChartResult chart;
  chart.signs = MakeChart("Ari", {"Ari"});
  EXPECT_FALSE(ExplainArgala(chart, {ArgalaRecipient::Kind::Planet, Moon}));
  EXPECT_FALSE(ExplainArgala(chart, {ArgalaRecipient::Kind::House, 13}));
  EXPECT_EQ(ExplainArgala(chart, {ArgalaRecipient::Kind::House, 1})->caption,
            "House 1 (Aries). No Argala.");
}

}  // namespace
}  // namespace tarvel::testing
