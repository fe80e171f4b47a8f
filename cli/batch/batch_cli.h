#pragma once

#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/batch/batch_command.h"
#include "cli/chart/sky_command_options.h"

namespace tarvel::cli {

/// The batch subcommand's options as parsed.
struct BatchCommandLine {
  BatchRequest request;
  std::string formatName;            ///< "json", "csv" or empty
  SkyOptionTexts sky;                ///< the sky of lines that name none
  std::optional<std::string> varga;  ///< --varga as typed: the varga of lines that name none
};

/// Adds `batch [FILE|-] [--format json|csv] [--jobs N] [--pdf-dir DIR]` and the sky options to the
/// command line.
CLI::App* AddBatchSubcommand(CLI::App& app, BatchCommandLine& line);

/// Runs the parsed batch subcommand on the file or the standard input. The progress line is
/// kept only when `err` is the process's error output and that is a terminal.
int RunBatchSubcommand(BatchCommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tarvel::cli
