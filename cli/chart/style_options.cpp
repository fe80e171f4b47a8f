#include "cli/chart/style_options.h"

#include "cli/chart/quoted_input.h"

namespace tarvel::cli {

void AddStyleOption(CLI::App& command, std::optional<std::string>& text) {
  command
      .add_option("--style", text,
                  "Style of the drawn chart square: " + ChartStyleCommandNames() +
                      " Indian (default south)")
      ->type_name("NAME");
}

std::optional<std::string> ReadChartStyle(std::string_view text, std::optional<ChartStyle>& style) {
  style = ParseChartStyle(text);
  if (style) return std::nullopt;
  return "style " + QuotedForMessage(text) + " is not " + ChartStyleCommandNames();
}

}  // namespace tarvel::cli
