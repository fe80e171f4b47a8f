#include <benchmark/benchmark.h>

#include "argala/argala.h"
#include "argala/argala_summary.h"
#include "bench_births.h"
#include "form/calculation_driver.h"
#include "positions/classic/ascendant.h"
#include "positions/classic/classic_sky.h"
#include "positions/classic/moon.h"
#include "positions/classic/planet_longitudes.h"
#include "positions/swiss/swiss_sky.h"

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

// The whole chain: the sky, Argala, the reading's runs and the Argala synthesis.
void BM_RunCalculationChain(benchmark::State& run) {
  const ClassicSky sky;
  RunOnSamples(run, [&](ChartState& state) { RunCalculationChain(state, sky); });
}
BENCHMARK(BM_RunCalculationChain);

// The whole chain for a divisional chart, beside the Rasi chart above: the Navamsa, and the
// Shashtiamsa of the most parts.
void BM_RunCalculationChainVarga(benchmark::State& run) {
  const ClassicSky sky;
  const Varga varga = static_cast<Varga>(run.range(0));
  RunOnSamples(run, [&](ChartState& state) { RunCalculationChain(state, sky, varga); });
}
BENCHMARK(BM_RunCalculationChainVarga)
    ->Arg(static_cast<int>(Varga::D9))
    ->Arg(static_cast<int>(Varga::D60));

// The whole chain in the precise sky (Lahiri, mean node).
void BM_RunCalculationChainSwiss(benchmark::State& run) {
  const SwissSky sky(SkySettings{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  RunOnSamples(run, [&](ChartState& state) { RunCalculationChain(state, sky); });
}
BENCHMARK(BM_RunCalculationChainSwiss);

void BM_SwissSky(benchmark::State& run) {
  const SwissSky sky(SkySettings{SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  RunOnSamples(run, [&](ChartState& state) {
    benchmark::DoNotOptimize(sky.Positions(state.Chart.instant));
  });
}
BENCHMARK(BM_SwissSky);

void BM_ClassicSky(benchmark::State& run) {
  const ClassicSky sky;
  RunOnSamples(run, [&](ChartState& state) {
    benchmark::DoNotOptimize(sky.Positions(state.Chart.instant));
  });
}
BENCHMARK(BM_ClassicSky);

void BM_InstantOf(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) {
    benchmark::DoNotOptimize(InstantOf(state.BirthData, state.Zone));
  });
}
BENCHMARK(BM_InstantOf);

void BM_ComputeAscendant(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) {
    benchmark::DoNotOptimize(
        ComputeAscendant(ClassicInstantOf(state.Chart.instant), state.Chart.instant));
  });
}
BENCHMARK(BM_ComputeAscendant);

void BM_CalculateMoon(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) {
    benchmark::DoNotOptimize(CalculateMoon(ClassicInstantOf(state.Chart.instant)));
  });
}
BENCHMARK(BM_CalculateMoon);

void BM_CalculatePlanets(benchmark::State& run) {
  RunOnSamples(run, [](ChartState& state) {
    benchmark::DoNotOptimize(CalculatePlanets(UniversalCivilTime(state.Chart.instant),
                                              state.Chart.positions.chartCorrection));
  });
}
BENCHMARK(BM_CalculatePlanets);

void BM_EvaluateArgala(benchmark::State& run) {
  RunOnSamples(
      run, [](ChartState& state) { benchmark::DoNotOptimize(EvaluateArgala(state.Chart.signs)); });
}
BENCHMARK(BM_EvaluateArgala);

// The synthesis alone: what it adds to the chain.
void BM_SummariseArgala(benchmark::State& run) {
  RunOnSamples(
      run, [](ChartState& state) { benchmark::DoNotOptimize(SummariseArgala(state.Chart.signs)); });
}
BENCHMARK(BM_SummariseArgala);

}  // namespace
}  // namespace tarvel::bench
