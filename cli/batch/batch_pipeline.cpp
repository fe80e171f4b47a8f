#include "cli/batch/batch_pipeline.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tarvel::cli {
namespace {

// Two jobs per worker keep every worker busy while the calling thread writes one job and
// reads the next.
constexpr std::size_t kJobsPerWorker = 2;
constexpr std::size_t kSpareJobs = 2;

// The jobs in flight, addressed by their sequence number modulo the ring's size.
class JobRing {
 public:
  explicit JobRing(std::size_t size) : jobs_(size), done_(size, false) {}

  std::size_t Size() const { return jobs_.size(); }
  BatchJob& At(std::uint64_t sequence) { return jobs_[sequence % jobs_.size()]; }

  void Submit(std::uint64_t sequence) {
    {
      const std::lock_guard lock(mutex_);
      queue_.push_back(sequence);
    }
    workReady_.notify_one();
  }

  // The next job for a worker; nothing once the ring is closed and the queue empty.
  std::optional<std::uint64_t> Take() {
    std::unique_lock lock(mutex_);
    workReady_.wait(lock, [&] { return closed_ || !queue_.empty(); });
    if (queue_.empty()) return std::nullopt;
    const std::uint64_t sequence = queue_.front();
    queue_.pop_front();
    return sequence;
  }

  void MarkDone(std::uint64_t sequence) {
    {
      const std::lock_guard lock(mutex_);
      done_[sequence % jobs_.size()] = true;
    }
    jobDone_.notify_all();
  }

  void WaitDone(std::uint64_t sequence) {
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return done_[sequence % jobs_.size()]; });
    done_[sequence % jobs_.size()] = false;
  }

  // Lets the workers finish: queued jobs are dropped when `dropQueued`, computed otherwise.
  void Close(bool dropQueued) {
    {
      const std::lock_guard lock(mutex_);
      closed_ = true;
      if (dropQueued) queue_.clear();
    }
    workReady_.notify_all();
  }

 private:
  std::vector<BatchJob> jobs_;
  std::vector<bool> done_;
  std::deque<std::uint64_t> queue_;
  bool closed_ = false;
  std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable jobDone_;
};

// Closes the ring however the calling thread leaves, so that no worker waits for ever; the
// jobs still queued are dropped unless the batch completed.
struct RingCloser {
  JobRing& ring;
  bool completed = false;
  ~RingCloser() { ring.Close(!completed); }
};

// Reads and writes on the calling thread until the input is exhausted and every job written.
bool ReadAndWrite(JobRing& ring, const PipelineStages& stages) {
  std::uint64_t read = 0;
  std::uint64_t written = 0;
  bool moreInput = true;
  while (moreInput || written < read) {
    // A job in flight is written before reading waits, so that an answer never waits for
    // the next question.
    if (moreInput && read - written < ring.Size() &&
        (written == read || !stages.readWouldWait || !stages.readWouldWait())) {
      BatchJob& job = ring.At(read);
      job.text.clear();
      job.lines.clear();
      moreInput = stages.read(job);
      if (!job.lines.empty()) ring.Submit(read++);
      continue;
    }
    ring.WaitDone(written);
    if (!stages.write(ring.At(written++))) return false;
  }
  return true;
}

}  // namespace

bool RunOrderedPipeline(std::size_t workers, const PipelineStages& stages) {
  JobRing ring(workers * kJobsPerWorker + kSpareJobs);
  std::vector<std::jthread> threads;
  for (std::size_t worker = 0; worker < workers; ++worker) {
    threads.emplace_back([&ring, &stages, worker] {
      while (const auto sequence = ring.Take()) {
        stages.compute(ring.At(*sequence), worker);
        ring.MarkDone(*sequence);
      }
      if (stages.workerEnds) stages.workerEnds();
    });
  }
  RingCloser closer{ring};
  closer.completed = ReadAndWrite(ring, stages);
  return closer.completed;
}

}  // namespace tarvel::cli
