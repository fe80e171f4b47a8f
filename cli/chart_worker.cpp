#include "cli/chart_worker.h"

#include "app/calculation_driver.h"
#include "cli/chart_json.h"

namespace tarvel::cli {

std::optional<OptionError> CalculateFromOptions(const BirthOptions& options, BirthForm& form,
                                                ChartState& state, ResultView& view) {
  auto built = BuildBirthForm(options);
  if (auto* error = std::get_if<OptionError>(&built)) return std::move(*error);
  form = std::move(std::get<BirthForm>(built));
  ReadBirthData(form, state);
  RunCalculationChain(state, view);
  return std::nullopt;
}

std::optional<OptionError> ChartWorker::AppendChartJson(const BirthOptions& options,
                                                        std::string& out) {
  if (auto error = CalculateFromOptions(options, form_, state_, view_)) return error;
  cli::AppendChartJson(state_, form_.cboTimeZone, state_.Reading, out);
  return std::nullopt;
}

}  // namespace tarvel::cli
