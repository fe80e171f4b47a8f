#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/batch/batch_lines.h"
#include "cli/batch/batch_pdfs.h"

namespace tarvel::cli {

/// One input line of a job: its number in the input (1-based) and its bytes in the job's text.
struct JobLine {
  std::uint64_t number = 0;
  std::size_t offset = 0;
  LineShape shape;
};

/// A run of consecutive input lines and, once computed, their output. Jobs are reused, so
/// their buffers keep their capacity from one run of lines to the next.
struct BatchJob {
  std::string text;
  std::vector<JobLine> lines;
  std::string output;
  std::vector<LinePdf> pdfs;  ///< the charts to draw, when the batch writes PDFs
  bool allSucceeded = true;

  std::string_view LineText(const JobLine& line) const {
    return std::string_view(text).substr(line.offset, line.shape.length);
  }
};

/// The three stages of a batch: reading and writing run on the calling thread, computing on
/// the workers.
struct PipelineStages {
  /// Fills an emptied job with the next lines; false once the input is exhausted (the job may
  /// still hold the last lines).
  std::function<bool(BatchJob&)> read;
  /// True when reading now would wait for the input: the jobs computed meanwhile are written
  /// first. May be empty: reading never waits.
  std::function<bool()> readWouldWait;
  /// Computes a job's output on worker `worker` (0 to workers - 1); never two jobs at once on
  /// the same worker.
  std::function<void(BatchJob&, std::size_t worker)> compute;
  /// Writes a computed job; false stops the batch.
  std::function<bool(const BatchJob&)> write;
  /// Called on each worker thread as it ends, to let go of what the thread holds; may be empty.
  std::function<void()> workerEnds;
};

/// Runs the stages with `workers` threads computing. Jobs are written in the order they were
/// read; at most a few jobs per worker are in memory at any time. False when writing stopped
/// the batch.
bool RunOrderedPipeline(std::size_t workers, const PipelineStages& stages);

}  // namespace tarvel::cli
