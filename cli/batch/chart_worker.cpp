#include "cli/batch/chart_worker.h"

#include "cli/chart/chart_json.h"

namespace tarvel::cli {

std::variant<std::optional<PlaceUsed>, OptionError> ChartWorker::Calculate(BirthOptions options,
                                                                           ChartParts parts) {
  auto calculated = CalculateFromOptions(options, state_, context_, parts);
  // A chart the sky could not compute is the line's error, like a refused birth.
  if (std::holds_alternative<OptionError>(calculated) || state_.Chart.error.empty()) {
    return calculated;
  }
  return OptionError{state_.Chart.error};
}

std::optional<OptionError> ChartWorker::AppendChartJson(BirthOptions options, std::string& out) {
  auto calculated = Calculate(std::move(options), {});
  if (auto* error = std::get_if<OptionError>(&calculated)) return std::move(*error);
  cli::AppendChartJson(state_, out, std::get<std::optional<PlaceUsed>>(calculated));
  return std::nullopt;
}

}  // namespace tarvel::cli
