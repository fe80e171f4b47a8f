#include "cli/batch/batch_resources.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>

#include "atlas/zone_history.h"

namespace tarvel::cli {
namespace {

// The precise sky keeps its data files open per thread (planets, Moon, asteroids, and the
// library's text files), whichever sky a line chooses.
constexpr std::uint64_t kFilesPerWorker = 6;

// Besides the workers': the standard streams, the input, the time-zone database while it
// loads, the export module and the PDF being written.
constexpr std::uint64_t kFilesOfTheProcess = 32;

std::size_t WorkersWithinFiles(std::size_t wanted, std::uint64_t fileLimit) {
  const std::uint64_t spare = fileLimit > kFilesOfTheProcess ? fileLimit - kFilesOfTheProcess : 0;
  const std::uint64_t fitting = std::max<std::uint64_t>(1, spare / kFilesPerWorker);
  return static_cast<std::size_t>(std::min<std::uint64_t>(wanted, fitting));
}

}  // namespace

std::size_t PrepareWorkers(std::size_t wanted) {
  LoadZoneDatabase();
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return wanted;
  return WorkersWithinFiles(wanted, limit.rlim_cur);
}

}  // namespace tarvel::cli
