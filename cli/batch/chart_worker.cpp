#include "cli/batch/chart_worker.h"

#include "cli/chart/chart_json.h"

namespace tarvel::cli {

std::optional<OptionError> ChartWorker::AppendChartJson(BirthOptions options, std::string& out) {
  auto calculated = CalculateFromOptions(std::move(options), form_, state_, context_);
  if (auto* error = std::get_if<OptionError>(&calculated)) return std::move(*error);
  if (!state_.Chart.error.empty()) return OptionError{state_.Chart.error};
  cli::AppendChartJson(state_, out, std::get<std::optional<PlaceUsed>>(calculated));
  return std::nullopt;
}

}  // namespace tarvel::cli
