#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "positions/swiss/swiss_calls.h"
#include "positions/swiss/swiss_sky.h"
#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::ArcGapDeg;
using swiss_test::Birth;
using swiss_test::kArcSecondDeg;
using swiss_test::ReferenceChart;
using swiss_test::ReferenceCharts;

constexpr std::size_t kThreads = 4;

struct Job {
  const SwissSky* sky;
  BirthData birth;
  int zoneRow;
};

// Births spread over 1900-2050 and the globe, each with a reference chart's zone.
std::vector<BirthData> SpreadBirths(const std::vector<ReferenceChart>& charts) {
  std::vector<BirthData> births;
  for (const ReferenceChart& chart : charts) births.push_back(chart.birth);
  for (int i = 0; i < 24; ++i) {
    births.push_back(
        Birth({1900 + 6 * i, 1 + i % 12, 1 + (7 * i) % 28, (5 * i) % 24, (13 * i) % 60},
              charts[static_cast<std::size_t>(i) % charts.size()].zoneRow, i % 3 == 0,
              {(11 * i) % 66, i % 60, i % 2 == 0, (23 * i) % 180, (7 * i) % 60, i % 4 < 2}));
  }
  return births;
}

bool SamePlaces(const SkyPositions& a, const SkyPositions& b) {
  // Identical up to the last bits: the library's caches may differ between threads.
  constexpr double kToleranceDeg = 1e-9;
  for (int planet = Sun; planet <= SNode; ++planet) {
    if (ArcGapDeg(a.grahaDeg[planet], b.grahaDeg[planet]) > kToleranceDeg) return false;
  }
  return ArcGapDeg(a.ascendantDeg, b.ascendantDeg) <= kToleranceDeg &&
         std::abs(a.chartCorrection - b.chartCorrection) <= kToleranceDeg &&
         a.ephemeris == b.ephemeris;
}

struct ThreadRun {
  std::vector<SkyPositions> places;  ///< by job
  SkyPositions afterRelease;         ///< the first job again, after releasing the thread's state
};

// Every job on the calling thread, starting at `start` so that concurrent runs differ at
// every moment.
ThreadRun RunJobs(const std::vector<Job>& jobs, std::size_t start) {
  ThreadRun run{std::vector<SkyPositions>(jobs.size()), {}};
  for (std::size_t k = 0; k < jobs.size(); ++k) {
    const std::size_t j = (k + start) % jobs.size();
    run.places[j] = jobs[j].sky->Positions(jobs[j].birth, jobs[j].zoneRow);
  }
  ReleaseThreadState();
  run.afterRelease = jobs[0].sky->Positions(jobs[0].birth, jobs[0].zoneRow);
  ReleaseThreadState();
  return run;
}

std::vector<ThreadRun> RunOnThreads(const std::vector<Job>& jobs) {
  std::vector<ThreadRun> runs(kThreads);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&jobs, &run = runs[t], t] { run = RunJobs(jobs, 7 * t); });
  }
  for (std::thread& thread : threads) thread.join();
  return runs;
}

// Two skies with different ayanamsas and nodes, shared by every thread and interleaved on
// each: a thread's places must not depend on what that thread, or any other, computed before.
TEST(SwissSkyThreadsTest, SharedSkiesGiveTheSamePlacesOnEveryThread) {
  const std::vector<ReferenceChart> charts = ReferenceCharts();
  const SwissSky lahiri({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const SwissSky fagan({SkyKind::Swiss, AyanamsaKind::FaganBradley, NodeKind::True});
  std::vector<Job> jobs;
  for (std::size_t i = 0; const BirthData& birth : SpreadBirths(charts)) {
    const int zoneRow = charts[i++ % charts.size()].zoneRow;
    jobs.push_back({&lahiri, birth, zoneRow});
    jobs.push_back({&fagan, birth, zoneRow});
  }
  std::vector<SkyPositions> alone;
  for (const Job& job : jobs) alone.push_back(job.sky->Positions(job.birth, job.zoneRow));

  const std::vector<ThreadRun> runs = RunOnThreads(jobs);
  for (std::size_t t = 0; t < runs.size(); ++t) {
    for (std::size_t j = 0; j < jobs.size(); ++j) {
      EXPECT_TRUE(SamePlaces(runs[t].places[j], alone[j])) << "thread " << t << " job " << j;
    }
    EXPECT_TRUE(SamePlaces(runs[t].afterRelease, alone[0])) << "thread " << t;
    // The first jobs are the reference births under Lahiri: held against published places.
    for (std::size_t c = 0; c < charts.size(); ++c) {
      const SkyPositions& places = runs[t].places[2 * c];
      EXPECT_LE(ArcGapDeg(places.grahaDeg[Moon], charts[c].planetDeg[Moon]), kArcSecondDeg)
          << "thread " << t << " " << charts[c].name;
      EXPECT_LE(ArcGapDeg(places.ascendantDeg, charts[c].ascendantDeg), kArcSecondDeg)
          << "thread " << t << " " << charts[c].name;
    }
  }
}

}  // namespace
}  // namespace tarvel
