#pragma once

#include <optional>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/batch/batch_command.h"
#include "cli/chart/dasha_options.h"
#include "cli/chart/sky_command_options.h"

namespace tarvel::cli {

/// The batch subcommand's options as parsed.
struct BatchCommandLine {
  BatchRequest request;
  std::string formatName;             ///< "json", "csv" or empty
  std::string outputName = "json";    ///< "json" or "csv"
  std::optional<std::string> fields;  ///< the comma-separated fields to write, if not all
  SkyOptionTexts sky;                 ///< the sky of lines that name none
  std::optional<std::string> varga;   ///< --varga as typed: the varga of lines that name none
  std::optional<std::string> style;   ///< --style as typed: the style of lines that name none
  DashaOptionTexts dasha;             ///< --dasha, --dasha-depth, --dasha-year as typed
};

/// Adds `batch [FILE|-] [--format json|csv] [--output json|csv] [--fields K1,K2,...] [--jobs N]
/// [--pdf-dir DIR]` and the sky options to the command line.
CLI::App* AddBatchSubcommand(CLI::App& app, BatchCommandLine& line);

/// Runs the parsed batch subcommand on the file or the standard input. The progress line is
/// kept only when `err` is the process's error output and that is a terminal.
int RunBatchSubcommand(BatchCommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tarvel::cli
