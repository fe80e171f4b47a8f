#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "positions/swiss/swiss_sky.h"
#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using swiss_test::ArcGapDeg;
using swiss_test::kArcSecondDeg;
using swiss_test::ReferenceChart;
using swiss_test::ReferenceCharts;

struct Job {
  const SwissSky* sky;
  BirthInstant instant;
};

// The reference births first, then births spread over 1900-2050, the zones and the globe;
// each under both skies in turn.
std::vector<Job> Jobs(const SwissSky& lahiri, const SwissSky& fagan) {
  std::vector<Job> jobs;
  auto add = [&](const BirthData& birth, int zoneRow) {
    jobs.push_back({&lahiri, swiss_test::InstantFor(birth, zoneRow)});
    jobs.push_back({&fagan, swiss_test::InstantFor(birth, zoneRow)});
  };
  for (const ReferenceChart& chart : ReferenceCharts()) add(chart.birth, chart.zoneRow);
  for (int i = 0; i < 24; ++i) {
    const int zoneRow = (3 * i) % kTimeZoneRows;
    add(swiss_test::Birth({1900 + 6 * i, 1 + i % 12, 1 + 7 * i % 28, 5 * i % 24, 13 * i % 60},
                          zoneRow, i % 3 == 0,
                          {11 * i % 66, i % 60, i % 2 == 0, 23 * i % 180, 7 * i % 60, i % 4 < 2}),
        zoneRow);
  }
  return jobs;
}

// The largest gap between two charts' places, degrees.
double LargestGapDeg(const SkyPositions& a, const SkyPositions& b) {
  double gapDeg = std::max(ArcGapDeg(a.ascendantDeg, b.ascendantDeg),
                           std::abs(a.chartCorrection - b.chartCorrection));
  for (int planet = Sun; planet <= SNode; ++planet) {
    gapDeg = std::max(gapDeg, ArcGapDeg(a.grahaDeg[planet], b.grahaDeg[planet]));
  }
  return gapDeg;
}

struct ThreadRun {
  std::vector<SkyPositions> places;  ///< by job
  SkyPositions afterRelease;         ///< the first job again, after releasing the thread's state
};

// Every job on the calling thread, from `start` on, so that concurrent runs differ.
ThreadRun RunJobs(const std::vector<Job>& jobs, std::size_t start) {
  ThreadRun run{std::vector<SkyPositions>(jobs.size()), {}};
  for (std::size_t k = 0; k < jobs.size(); ++k) {
    const Job& job = jobs[(k + start) % jobs.size()];
    run.places[(k + start) % jobs.size()] = job.sky->Positions(job.instant).positions;
  }
  jobs[0].sky->ReleaseThread();
  run.afterRelease = jobs[0].sky->Positions(jobs[0].instant).positions;
  jobs[0].sky->ReleaseThread();
  return run;
}

// Two skies with different ayanamsas and nodes, shared by four threads and interleaved on
// each: a thread's places must not depend on what that thread, or any other, computed before.
TEST(SwissSkyThreadsTest, SharedSkiesGiveTheSamePlacesOnEveryThread) {
  const SwissSky lahiri({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  const SwissSky fagan({SkyKind::Swiss, AyanamsaKind::FaganBradley, NodeKind::True});
  const std::vector<Job> jobs = Jobs(lahiri, fagan);
  const ThreadRun alone = RunJobs(jobs, 0);
  std::vector<ThreadRun> runs(4);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < runs.size(); ++t) {
    threads.emplace_back([&jobs, &run = runs[t], t] { run = RunJobs(jobs, 7 * t + 1); });
  }
  for (std::thread& thread : threads) thread.join();

  const std::vector<ReferenceChart> charts = ReferenceCharts();
  for (std::size_t t = 0; t < runs.size(); ++t) {
    // Equal up to the last bits: the library's caches hold different things on each thread.
    for (std::size_t j = 0; j < jobs.size(); ++j) {
      EXPECT_LE(LargestGapDeg(runs[t].places[j], alone.places[j]), 1e-9) << t << " job " << j;
    }
    EXPECT_LE(LargestGapDeg(runs[t].afterRelease, alone.places[0]), 1e-9) << t;
    for (std::size_t c = 0; c < charts.size(); ++c) {
      const SkyPositions& places = runs[t].places[2 * c];  // Lahiri, mean node
      EXPECT_LE(ArcGapDeg(places.grahaDeg[Moon], charts[c].planetDeg[Moon]), kArcSecondDeg);
      EXPECT_LE(ArcGapDeg(places.ascendantDeg, charts[c].ascendantDeg), kArcSecondDeg);
    }
  }
}

}  // namespace
}  // namespace tarvel
