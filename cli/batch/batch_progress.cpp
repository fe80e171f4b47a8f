#include "cli/batch/batch_progress.h"

#include <cstdio>

namespace tarvel::cli {
namespace {

constexpr auto kRefreshInterval = std::chrono::milliseconds(200);

}  // namespace

std::string ProgressText(std::uint64_t linesDone, double elapsedSeconds) {
  const double rate = elapsedSeconds > 0 ? static_cast<double>(linesDone) / elapsedSeconds : 0;
  char text[96];
  std::snprintf(text, sizeof text, "%llu lines, %.0f lines/s, %.1f s",
                static_cast<unsigned long long>(linesDone), rate, elapsedSeconds);
  return text;
}

BatchProgress::BatchProgress(std::ostream& err, bool enabled)
    : err_(err), enabled_(enabled), start_(Clock::now()), lastShown_(start_) {}

void BatchProgress::Update(std::uint64_t linesDone) {
  if (!enabled_ || Clock::now() - lastShown_ < kRefreshInterval) return;
  Show(linesDone);
}

void BatchProgress::Finish(std::uint64_t linesDone) {
  if (!enabled_) return;
  Show(linesDone);
  err_ << '\n' << std::flush;
}

void BatchProgress::Show(std::uint64_t linesDone) {
  lastShown_ = Clock::now();
  const std::chrono::duration<double> elapsed = lastShown_ - start_;
  // CR returns to the line's start; the erase-line sequence clears a longer previous text.
  err_ << "\r\x1b[K" << ProgressText(linesDone, elapsed.count()) << std::flush;
}

}  // namespace tarvel::cli
