#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "document/chart_style.h"

namespace tarvel::cli {

/// Adds `--style NAME` to a command: the style its drawn charts take.
void AddStyleOption(CLI::App& command, std::optional<std::string>& text);

/// Reads a chart style by its name, in any letter case, into `style`; the refusal lists the
/// styles there are.
std::optional<std::string> ReadChartStyle(std::string_view text, std::optional<ChartStyle>& style);

}  // namespace tarvel::cli
