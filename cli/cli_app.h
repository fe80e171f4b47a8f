#pragma once

#include <ostream>

#include "cli/chart/exit_status.h"

namespace tarvel::cli {

/// Runs tarvel-cli on its arguments: results go to `out`, refusals as one line to `err`.
int RunTarvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tarvel::cli
