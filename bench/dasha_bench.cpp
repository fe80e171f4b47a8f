// The nakshatras of a chart and its Vimshottari periods, computing only, over births drawn with
// a fixed seed. Under `valgrind --tool=callgrind --toggle-collect='*PeriodsOf*'` (or
// '*NakshatrasOfBirth*') the instructions of each step are counted apart from the harness.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "dasha/nakshatra.h"
#include "dasha/vimshottari.h"

namespace tarvel::bench {
namespace {

struct Birth {
  std::int64_t universalSeconds;
  SkyPositions positions;
};

// Births from 1900 to 2050 with every point anywhere in the zodiac.
std::vector<Birth> RandomBirths() {
  std::mt19937_64 random(36);
  std::uniform_int_distribution<std::int64_t> seconds(-2'208'988'800, 2'556'143'999);
  std::uniform_real_distribution<double> longitudeDeg(0, 360);
  std::vector<Birth> births(64);
  for (Birth& birth : births) {
    birth.universalSeconds = seconds(random);
    birth.positions.ascendantDeg = longitudeDeg(random);
    for (double& deg : birth.positions.grahaDeg) deg = longitudeDeg(random);
  }
  return births;
}

[[gnu::noinline]] void NakshatrasOfBirth(const Birth& birth) {
  benchmark::DoNotOptimize(NakshatrasOf(birth.positions));
}

// The periods and freeing them, as a chart that shows them once would.
[[gnu::noinline]] void PeriodsOf(const Birth& birth, DashaDepth depth) {
  const VimshottariDasha dasha = ComputeVimshottari(
      birth.universalSeconds, birth.positions.grahaDeg[Moon], DashaYear::Sidereal, depth);
  benchmark::DoNotOptimize(dasha);
}

// Runs one step on the births in turn; one iteration is one chart.
template <typename Step>
void RunOnBirths(benchmark::State& run, Step step) {
  const std::vector<Birth> births = RandomBirths();
  std::size_t next = 0;
  for (auto _ : run) {
    step(births[next]);
    next = (next + 1) % births.size();
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_Nakshatras(benchmark::State& run) {
  RunOnBirths(run, NakshatrasOfBirth);
}
BENCHMARK(BM_Nakshatras);

// The mahadashas alone, with their antardashas, and with the pratyantardashas too.
void BM_Vimshottari(benchmark::State& run) {
  const auto depth = static_cast<DashaDepth>(run.range(0));
  RunOnBirths(run, [depth](const Birth& birth) { PeriodsOf(birth, depth); });
}
BENCHMARK(BM_Vimshottari)->DenseRange(1, 3);

}  // namespace
}  // namespace tarvel::bench
