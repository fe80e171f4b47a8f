#include "cli/batch/chart_worker.h"

#include "cli/chart/chart_from_options.h"
#include "cli/chart/chart_json.h"

namespace tarvel::cli {

std::optional<OptionError> ChartWorker::AppendChartJson(const BirthOptions& options,
                                                        std::string& out) {
  if (auto error = CalculateFromOptions(options, form_, state_, sky_)) return error;
  cli::AppendChartJson(state_, out);
  return std::nullopt;
}

}  // namespace tarvel::cli
