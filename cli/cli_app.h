#pragma once

#include <ostream>

namespace tarvel::cli {

/// Exit statuses of tarvel-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    ///< the work itself failed (a file could not be written)
inline constexpr int kExitBadInput = 2;  ///< the command line or the birth was refused

/// Runs tarvel-cli on its arguments: results go to `out`, refusals as one line to `err`.
int RunTarvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tarvel::cli
