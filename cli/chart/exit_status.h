#pragma once

namespace tarvel::cli {

/// Exit statuses of tarvel-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    ///< the work itself failed (a file could not be written)
inline constexpr int kExitBadInput = 2;  ///< the command line or the birth was refused

/// The refusal of output that could not be written (a full disk, a closed output).
inline constexpr const char* kOutputFailure = "could not write the output";

}  // namespace tarvel::cli
