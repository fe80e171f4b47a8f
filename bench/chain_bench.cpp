#include <benchmark/benchmark.h>

#include "app/calculation_driver.h"
#include "argala/evaluate_argala.h"
#include "bench_births.h"
#include "cli/captured_result_view.h"
#include "ephemeris/moon.h"
#include "positions/ascendant.h"
#include "positions/graha_table.h"

namespace tarvel::bench {
namespace {

// Runs one step on the sample states in turn; one iteration is one chart.
template <typename Step>
void RunOnSamples(benchmark::State& run, Step step) {
  std::vector<ChartState> states = SampleStates();
  std::size_t next = 0;
  for (auto _ : run) {
    ChartState& state = states[next];
    step(state);
    benchmark::DoNotOptimize(state);
    next = (next + 1) % states.size();
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_ChainDiscardingOutput(benchmark::State& run) {
  DiscardingView view;
  RunOnSamples(run, [&](ChartState& state) { RunCalculationChain(state, view); });
}
BENCHMARK(BM_ChainDiscardingOutput);

void BM_ChainKeepingReading(benchmark::State& run) {
  cli::CapturedResultView view;
  RunOnSamples(run, [&](ChartState& state) { RunCalculationChain(state, view); });
}
BENCHMARK(BM_ChainKeepingReading);

void BM_CalculateAscendant(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) { CalculateAscendant(state); });
}
BENCHMARK(BM_CalculateAscendant);

void BM_CalculateMoon(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) { CalculateMoon(state); });
}
BENCHMARK(BM_CalculateMoon);

void BM_CalculatePlanets(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) { CalculatePlanets(state); });
}
BENCHMARK(BM_CalculatePlanets);

void BM_EvaluateArgala(benchmark::State& run) {
  DiscardingView view;
  RunOnSamples(run, [&](ChartState& state) { EvaluateArgala(state, view); });
}
BENCHMARK(BM_EvaluateArgala);

}  // namespace
}  // namespace tarvel::bench
