#pragma once

#include <string>
#include <variant>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/chart/chart_command.h"
#include "cli/chart/dasha_options.h"
#include "cli/chart/sky_command_options.h"

namespace tarvel::cli {

/// The chart subcommand's options as typed.
struct ChartCommandLine {
  BirthOptions birth;
  std::string zone;  // read as decimal later: CLI11 would take "034" for an octal number
  std::string latitude;
  std::string longitude;
  bool dst = false;
  bool json = false;
  std::string size;  ///< --size as typed
  SkyOptionTexts sky;
  std::optional<std::string> varga;  ///< --varga as typed
  std::optional<std::string> style;  ///< --style as typed
  DashaOptionTexts dasha;
  std::optional<std::string> on;  ///< --on as typed
  ChartRequest request;
  std::vector<CLI::Option*> required;  // --date, --time, --zone, --lat, --lon
};

/// Adds `chart` with its options (birth, place, sky, --open, --save, --json, --summary, the
/// periods with --dasha and --on, and the files --pdf, --svg, --png with --size).
CLI::App* AddChartSubcommand(CLI::App& app, ChartCommandLine& line);

/// The request the parsed options make; the refusal of a missing or malformed option.
std::variant<ChartRequest, std::string> ReadChartCommandLine(const ChartCommandLine& line);

}  // namespace tarvel::cli
