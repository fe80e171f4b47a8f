#pragma once

#include <ostream>

#include "atlas/lazy_atlas.h"
#include "cli/chart/exit_status.h"

namespace tarvel::cli {

/// Runs tarvel-cli on its arguments: results go to `out`, refusals as one line to `err`.
int RunTarvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

/// The same with an atlas that outlives the call, so that many runs in one process build it
/// at most once.
int RunTarvelCli(int argc, const char* const* argv, const LazyAtlas& atlas, std::ostream& out,
                 std::ostream& err);

}  // namespace tarvel::cli
