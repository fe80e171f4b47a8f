#include "bench_births.h"

#include <string>

#include "form/calculation_driver.h"
#include "positions/classic/classic_sky.h"

namespace tarvel::bench {

cli::BirthOptions SampleOptions(const SampleBirth& birth) {
  cli::BirthOptions options;
  options.date = birth.date;
  options.time = birth.time;
  options.zone = birth.zone;
  options.latitude = birth.latitude;
  options.longitude = birth.longitude;
  options.dst = birth.dst;
  options.name = "Asha Rao";
  options.city = "Mumbai";
  options.state = "Maharashtra";
  options.country = "India";
  return options;
}

std::vector<ChartState> SampleStates() {
  std::vector<ChartState> states;
  const ClassicSky sky;
  for (const SampleBirth& birth : kSampleBirths) {
    ChartState& state = states.emplace_back();
    cli::ReadBirth(SampleOptions(birth), state);
    RunCalculationChain(state, sky);
  }
  return states;
}

}  // namespace tarvel::bench
