#pragma once

#include <optional>
#include <string>

#include "chart/chart_state.h"
#include "cli/chart/birth_options.h"
#include "cli/chart/chart_from_options.h"

namespace tarvel::cli {

/// Calculates charts one after another on one chart state, as the window does: every run
/// refills BirthData and the chart, so no chart leaks into the next. One worker per thread;
/// a worker is never shared, while the context (skies, atlas) is shared by all.
class ChartWorker {
 public:
  explicit ChartWorker(const ChartContext& context) : context_(context) {}

  /// Appends the chart of one birth to `out` as the JSON line `chart --json` prints (without
  /// the line break); the refusal, or the sky's reason for giving no chart, leaves `out` as it
  /// was.
  std::optional<OptionError> AppendChartJson(BirthOptions options, std::string& out);

  /// Calculates the chart of one birth with the parts of the chain asked for into State();
  /// what the atlas found for its place, or the refusal.
  std::variant<std::optional<PlaceUsed>, OptionError> Calculate(BirthOptions options,
                                                                ChartParts parts);

  /// The state of the last chart computed.
  const ChartState& State() const { return state_; }

 private:
  const ChartContext& context_;
  ChartState state_;
};

}  // namespace tarvel::cli
