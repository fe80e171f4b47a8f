#include <benchmark/benchmark.h>

#include <string>

#include "bench_births.h"
#include "chart/skies.h"
#include "form/open_reading.h"
#include "form/reading_file_writer.h"

namespace tarvel::bench {
namespace {

void BM_SaveReadingBytes(benchmark::State& run) {
  const ChartState state = SampleStates().front();
  for (auto _ : run) {
    std::string bytes = ReadingFileBytes(state.BirthData, RowZone(34));
    benchmark::DoNotOptimize(bytes);
  }
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SaveReadingBytes);

// Opening restores the form and runs the whole chain, as the window does.
void BM_OpenReadingBytes(benchmark::State& run) {
  ChartState state = SampleStates().front();
  const std::string bytes = ReadingFileBytes(state.BirthData, RowZone(34));
  BirthForm form;
  const Skies skies;
  for (auto _ : run) {
    auto error = OpenReadingBytes(bytes, form, state, skies);
    benchmark::DoNotOptimize(error);
  }
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_OpenReadingBytes);

}  // namespace
}  // namespace tarvel::bench
