// Runs the calculation chain a fixed number of times over the sample births, so that
// `valgrind --tool=callgrind` can count the instructions of one chart (see docs/DEVELOPING.md).
// Usage: tarvel_chain_profile [CHARTS] [all|nomotion|reading]: every part (the default), all
// but which planets move backward, or the reading alone.
#include <charconv>
#include <cstdio>
#include <string_view>

#include "bench_births.h"
#include "form/calculation_driver.h"
#include "positions/classic/classic_sky.h"

int main(int argc, char** argv) {
  int charts = 800;
  if (argc > 1) {
    const std::string_view text = argv[1];
    std::from_chars(text.data(), text.data() + text.size(), charts);
  }
  tarvel::ChartParts parts;
  if (argc > 2) {
    const std::string_view chosen = argv[2];
    if (chosen == "nomotion") parts = {tarvel::kReadingPart | tarvel::kSummaryPart};
    if (chosen == "reading") parts = {tarvel::kReadingPart};
  }
  std::vector<tarvel::ChartState> states = tarvel::bench::SampleStates();
  const tarvel::ClassicSky sky;
  for (int chart = 0; chart < charts; ++chart) {
    tarvel::RunCalculationChain(states[static_cast<std::size_t>(chart) % states.size()], sky,
                                std::nullopt, parts);
  }
  std::printf("%d charts\n", charts);
  return 0;
}
