#include <gtest/gtest.h>

#include "app/calculation_driver.h"
#include "cli/captured_result_view.h"
#include "cli/chart_worker.h"

namespace tarvel::cli {
namespace {

// Counts what the calculation shows; like the batch's view, it declines the chart.
class CountingView : public StateOnlyView {
 public:
  void ShowChart(const ChartCaptions&) override { ++charts; }
  void ShowReading(const Reading&) override { ++readings; }
  int charts = 0;
  int readings = 0;
};

ChartState CalculatedState(ResultView& view) {
  BirthOptions options;
  options.date = "1980-03-05";
  options.time = "14:07";
  options.zone = 34;
  options.latitude = "18:58N";
  options.longitude = "72:49E";
  ChartState state;
  ReadBirthData(std::get<BirthForm>(BuildBirthForm(options)), state);
  RunCalculationChain(state, view);
  return state;
}

TEST(StateOnlyViewTest, GetsNoChartYetTheStateHoldsTheSameResults) {
  CountingView declining;
  const ChartState state = CalculatedState(declining);
  EXPECT_EQ(declining.charts, 0);
  EXPECT_EQ(declining.readings, 1);

  CapturedResultView captured;
  const ChartState shown = CalculatedState(captured);
  EXPECT_FALSE(captured.captions.lblPlanet[0].empty());
  EXPECT_EQ(state.Reading, captured.reading);
  EXPECT_EQ(state.ArgalaList, shown.ArgalaList);
  EXPECT_EQ(state.VirodhargalaList, shown.VirodhargalaList);
  EXPECT_EQ(state.SignContents, shown.SignContents);
}

}  // namespace
}  // namespace tarvel::cli
