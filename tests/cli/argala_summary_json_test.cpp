#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../argala/argala_test_support.h"
#include "cli/chart/chart_json.h"

namespace tarvel {
namespace {

using Json = nlohmann::ordered_json;

TEST(ArgalaSummaryJsonTest, WorkedChartsSunAndHouseSeven) {
  ChartState state;
  state.Chart.signs = testing::WorkedChart();
  state.Chart.argala = EvaluateArgala(state.Chart.signs);
  state.Chart.summary = SummariseArgala(state.Chart.signs);
  const Json summary = Json::parse(cli::ChartJson(state))["ArgalaSummary"];
  EXPECT_EQ(summary["Planets"][0], Json::parse(R"({"Recipient": "Sun", "House": 1, "Argala": [
      {"Position": 2, "Kind": "Primary", "Casters": ["Moon"], "Obstructers": ["Venus", "S Node"],
       "Verdict": "Obstructed"},
      {"Position": 4, "Kind": "Primary", "Casters": ["Mars"], "Obstructers": ["Saturn"],
       "Verdict": "Balanced"}]})"));
  EXPECT_EQ(summary["Planets"].size(), 9u);
  EXPECT_EQ(summary["Houses"][6]["Sign"], 6);
}

}  // namespace
}  // namespace tarvel
