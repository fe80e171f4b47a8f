#pragma once

#include <cstddef>

namespace tarvel::cli {

/// Readies the process for `wanted` batch workers before they start: loads the time-zone
/// database once, while file handles are free (where it cannot, each line that needs a zone's
/// history says so), and returns how many workers fit under the process's limit on open files
/// (RLIMIT_NOFILE): `wanted`, fewer where their data files would not all open (a worker short
/// of them would silently compute in another ephemeris), and at least 1.
std::size_t PrepareWorkers(std::size_t wanted);

}  // namespace tarvel::cli
