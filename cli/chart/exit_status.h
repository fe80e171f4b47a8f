#pragma once

namespace tarvel::cli {

/// Exit statuses of tarvel-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    ///< the work itself failed (a file could not be written)
inline constexpr int kExitBadInput = 2;  ///< the command line or the birth was refused

}  // namespace tarvel::cli
