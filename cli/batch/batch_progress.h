#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

namespace tarvel::cli {

/// The progress line: lines done, lines per second and the seconds elapsed.
std::string ProgressText(std::uint64_t linesDone, double elapsedSeconds);

/// Keeps one progress line up to date on a terminal, rewriting it in place a few times a
/// second; writes nothing at all when disabled (the error output is no terminal).
class BatchProgress {
 public:
  BatchProgress(std::ostream& err, bool enabled);

  void Update(std::uint64_t linesDone);
  /// Writes the final figures and ends the line.
  void Finish(std::uint64_t linesDone);

 private:
  using Clock = std::chrono::steady_clock;
  void Show(std::uint64_t linesDone);

  std::ostream& err_;
  bool enabled_;
  Clock::time_point start_;
  Clock::time_point lastShown_;
};

}  // namespace tarvel::cli
