#include "cli/chart/chart_from_options.h"

#include "app/calculation_driver.h"

namespace tarvel::cli {

std::optional<OptionError> CalculateFromOptions(const BirthOptions& options, BirthForm& form,
                                                ChartState& state, const Sky& sky) {
  auto built = BuildBirthForm(options);
  if (auto* error = std::get_if<OptionError>(&built)) return std::move(*error);
  form = std::move(std::get<BirthForm>(built));
  ReadBirthData(form, state);
  RunCalculationChain(state, sky);
  return std::nullopt;
}

}  // namespace tarvel::cli
