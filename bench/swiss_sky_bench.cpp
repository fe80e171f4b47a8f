#include <swephexp.h>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "base/time_zones.h"
#include "positions/swiss/julian_day.h"
#include "positions/swiss/swiss_sky.h"

namespace tarvel::bench {
namespace {

struct SampleBirth {
  BirthData birth;
  int zoneRow;
};

// Births spread over 1900-2050, every zone and the inhabited latitudes, so that no chart
// repeats the instant before it and the library's per-instant caches never help.
std::vector<SampleBirth> SampleBirths() {
  std::mt19937 random(1980);
  auto pick = [&random](int low, int high) {
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(random));
  };
  std::vector<SampleBirth> births(512);
  for (SampleBirth& sample : births) {
    BirthData& b = sample.birth;
    b.BirthYear = pick(1900, 2050);
    b.BirthMonth = pick(1, 12);
    b.BirthDay = pick(1, 28);
    b.BirthHour = pick(0, 23);
    b.BirthMinute = pick(0, 59);
    b.LatDeg = pick(0, 65);
    b.LatMin = pick(0, 59);
    b.LonDeg = pick(0, 179);
    b.LonMin = pick(0, 59);
    b.IsSouth = ToFlag16(pick(0, 3) == 0);
    b.IsEast = ToFlag16(pick(0, 1) == 1);
    b.IsDST = ToFlag16(pick(0, 4) == 0);
    sample.zoneRow = pick(0, kTimeZoneRows - 1);
  }
  return births;
}

BirthInstant InstantFor(const SampleBirth& sample) {
  return *InstantOf(sample.birth, RowZone(sample.zoneRow)).instant;
}

void CountCharts(benchmark::State& run) {
  run.counters["charts/s"] =
      benchmark::Counter(static_cast<double>(run.iterations()), benchmark::Counter::kIsRate);
}

void BM_SwissSkyPositions(benchmark::State& run) {
  std::vector<BirthInstant> instants;
  for (const SampleBirth& sample : SampleBirths()) instants.push_back(InstantFor(sample));
  const SwissSky sky({SkyKind::Swiss, AyanamsaKind::Lahiri, NodeKind::Mean});
  std::size_t next = 0;
  for (auto _ : run) {
    benchmark::DoNotOptimize(sky.Positions(instants[next]));
    next = (next + 1) % instants.size();
  }
  CountCharts(run);
}
BENCHMARK(BM_SwissSkyPositions);

struct Instant {
  double jdUt;
  BirthInstant place;
};

// The same charts as bare library calls: instants and places prepared beforehand, the
// sidereal mode set once, nothing of ours in the loop.
void BM_LibraryCallsAlone(benchmark::State& run) {
  std::vector<Instant> instants;
  for (const SampleBirth& sample : SampleBirths()) {
    const BirthInstant instant = InstantFor(sample);
    instants.push_back({JulianDayUt(UniversalCivilTime(instant)), instant});
  }
  constexpr std::array<int, 8> kBodies = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                          SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  std::size_t next = 0;
  for (auto _ : run) {
    const Instant& instant = instants[next];
    std::array<double, 6> place;
    std::array<char, AS_MAXCH> message;
    for (int body : kBodies) {
      swe_calc_ut(instant.jdUt, body, SEFLG_SWIEPH | SEFLG_SIDEREAL, place.data(), message.data());
      benchmark::DoNotOptimize(place[0]);
    }
    std::array<double, 13> cusps;
    std::array<double, 10> angles;
    swe_houses_ex(instant.jdUt, SEFLG_SIDEREAL, instant.place.latitudeDeg,
                  instant.place.longitudeDeg, 'W', cusps.data(), angles.data());
    double ayanamsaDeg;
    swe_get_ayanamsa_ex_ut(instant.jdUt, SEFLG_SWIEPH | SEFLG_NONUT, &ayanamsaDeg, message.data());
    benchmark::DoNotOptimize(angles[0]);
    benchmark::DoNotOptimize(ayanamsaDeg);
    next = (next + 1) % instants.size();
  }
  CountCharts(run);
}
BENCHMARK(BM_LibraryCallsAlone);

}  // namespace
}  // namespace tarvel::bench
