#pragma once

#include <ostream>

#include "cli/birth_options.h"

namespace tarvel::cli {

enum class ChartFormat { Text, Json };

/// Calculates one chart and prints it: the reading and the chart square as text, or one JSON
/// object. Returns the exit status; a refused birth prints one line to `err` and nothing to `out`.
int RunChartCommand(const BirthOptions& options, ChartFormat format, std::ostream& out,
                    std::ostream& err);

}  // namespace tarvel::cli
