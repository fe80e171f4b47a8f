#pragma once

#include <optional>

#include "app/chart_state.h"
#include "cli/chart/birth_options.h"
#include "positions/sky.h"

namespace tarvel::cli {

/// Calculates the chart of a birth given as options: the form is built and checked, then
/// copied into the state's BirthData and the chain runs in `sky`. A refusal carries the
/// command line's message and changes nothing.
std::optional<OptionError> CalculateFromOptions(const BirthOptions& options, BirthForm& form,
                                                ChartState& state, const Sky& sky);

}  // namespace tarvel::cli
