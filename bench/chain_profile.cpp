// Runs the calculation chain a fixed number of times over the sample births, reading included,
// so that `valgrind --tool=callgrind` can count the instructions of one chart (see the
// README's Benchmarks section for the command).
#include <charconv>
#include <cstdio>
#include <string_view>

#include "app/calculation_driver.h"
#include "bench_births.h"
#include "positions/classic/classic_sky.h"

int main(int argc, char** argv) {
  int charts = 800;
  if (argc > 1) {
    const std::string_view text = argv[1];
    std::from_chars(text.data(), text.data() + text.size(), charts);
  }
  std::vector<tarvel::ChartState> states = tarvel::bench::SampleStates();
  const tarvel::ClassicSky sky;
  for (int chart = 0; chart < charts; ++chart) {
    tarvel::RunCalculationChain(states[static_cast<std::size_t>(chart) % states.size()], sky);
  }
  std::printf("%d charts\n", charts);
  return 0;
}
