#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../argala/argala_test_support.h"
#include "cli/chart/argala_summary_json.h"

namespace tarvel {
namespace {

using Json = nlohmann::ordered_json;

Json WorkedSummaryJson() {
  ChartResult chart;
  chart.signs = testing::WorkedChart();
  chart.argala = EvaluateArgala(chart.signs);
  chart.summary = SummariseArgala(chart.signs);
  std::string text;
  {
    cli::JsonText json(text);
    json.BeginObject();
    cli::ArgalaSummaryJson(chart, json);
    json.EndObject();
  }
  return Json::parse(text)["ArgalaSummary"];
}

TEST(ArgalaSummaryJsonTest, WorkedChartSunAndHouseSeven) {
  const Json summary = WorkedSummaryJson();
  ASSERT_EQ(summary["Planets"].size(), 9u);
  ASSERT_EQ(summary["Houses"].size(), 12u);
  EXPECT_EQ(summary["Planets"][0], Json::parse(R"({"Recipient": "Sun", "House": 1, "Argala": [
      {"Position": 2, "Kind": "Primary", "Casters": ["Moon"], "Obstructers": ["Venus", "S Node"],
       "Verdict": "Obstructed"},
      {"Position": 4, "Kind": "Primary", "Casters": ["Mars"], "Obstructers": ["Saturn"],
       "Verdict": "Balanced"}]})"));
  EXPECT_EQ(summary["Houses"][6], Json::parse(R"({"House": 7, "Sign": 6, "Argala": [
      {"Position": 4, "Kind": "Primary", "Casters": ["Saturn"], "Obstructers": ["Mars"],
       "Verdict": "Balanced"},
      {"Position": 8, "Kind": "Secondary", "Casters": ["Moon"], "Obstructers": [],
       "Verdict": "Unobstructed"}]})"));
}

}  // namespace
}  // namespace tarvel
