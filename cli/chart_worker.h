#pragma once

#include <optional>
#include <string>

#include "argala/result_view.h"
#include "cli/birth_options.h"
#include "ephemeris/chart_state.h"

namespace tarvel::cli {

/// A view for calculations read back from their chart state: the reading stays in
/// ChartState::Reading, so showing it copies nothing, and the chart's captions are not built.
class StateOnlyView : public ResultView {
 public:
  bool ShowsChart() const override { return false; }
  void ShowChart(const ChartCaptions&) override {}
  void ShowReading(const Reading&) override {}
  void BringResultViewToFront() override {}
};

/// Calculates the chart of a birth given as options: the form is built and checked, then
/// copied into the state's BirthData and the chain runs. The state's time-zone tables must be
/// filled. A refusal carries the command line's message and changes nothing.
std::optional<OptionError> CalculateFromOptions(const BirthOptions& options, BirthForm& form,
                                                ChartState& state, ResultView& view);

/// Calculates charts one after another on one chart state, as the window does: every run
/// refills BirthData and rewrites everything the JSON reads, so no chart leaks into the next.
/// One worker per thread; a worker is never shared.
class ChartWorker {
 public:
  /// Appends the chart of one birth to `out` as the JSON line `chart --json` prints (without
  /// the line break); the refusal leaves `out` as it was.
  std::optional<OptionError> AppendChartJson(const BirthOptions& options, std::string& out);

 private:
  BirthForm form_;
  ChartState state_;
  StateOnlyView view_;
};

}  // namespace tarvel::cli
