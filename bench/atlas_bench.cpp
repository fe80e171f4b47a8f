#include <benchmark/benchmark.h>
#include <geonames.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/geonames_source.h"
#include "atlas/search_text.h"

namespace tarvel::bench {
namespace {

constexpr std::size_t kPrefixesPerLength = 40;
constexpr std::size_t kCompletions = 10;

const Atlas& SharedAtlas() {
  static const Atlas atlas = Atlas::FromGeonames();
  return atlas;
}

// The commonest beginnings of the city names, the busiest thing a user can type.
std::vector<std::string> CommonPrefixes(std::size_t length) {
  std::map<std::string, int> counts;
  for (const Place& place : ReadGeonamesPlaces()) {
    const std::string name = FoldForSearch(place.city);
    if (name.size() >= length) ++counts[name.substr(0, length)];
  }
  std::vector<std::pair<int, std::string>> ranked;
  for (const auto& [prefix, count] : counts) ranked.emplace_back(count, prefix);
  std::sort(ranked.rbegin(), ranked.rend());
  std::vector<std::string> prefixes;
  for (std::size_t i = 0; i < ranked.size() && i < kPrefixesPerLength; ++i) {
    prefixes.push_back(ranked[i].second);
  }
  return prefixes;
}

// One iteration is one query; the prefixes are typed in turn.
void RunCompletions(benchmark::State& run, const std::vector<std::string>& prefixes) {
  const Atlas& atlas = SharedAtlas();
  std::size_t next = 0;
  for (auto _ : run) {
    benchmark::DoNotOptimize(atlas.Complete(prefixes[next], kCompletions));
    next = (next + 1) % prefixes.size();
  }
  run.SetItemsProcessed(run.iterations());
}

void BM_CompleteTwoLetters(benchmark::State& run) {
  static const std::vector<std::string> prefixes = CommonPrefixes(2);
  RunCompletions(run, prefixes);
}

void BM_CompleteThreeLetters(benchmark::State& run) {
  static const std::vector<std::string> prefixes = CommonPrefixes(3);
  RunCompletions(run, prefixes);
}

// The single commonest two-letter beginning: the slowest completion there is.
void BM_CompleteCommonestPrefix(benchmark::State& run) {
  static const std::vector<std::string> prefixes = {CommonPrefixes(2).front()};
  RunCompletions(run, prefixes);
}

void BM_ResolveSeveralMatches(benchmark::State& run) {
  const Atlas& atlas = SharedAtlas();
  for (auto _ : run) benchmark::DoNotOptimize(atlas.Resolve("Springfield"));
}

// An unknown name is compared with every name in the atlas for its candidates.
void BM_ResolveUnknownWithCandidates(benchmark::State& run) {
  const Atlas& atlas = SharedAtlas();
  for (auto _ : run) benchmark::DoNotOptimize(atlas.Resolve("Springfeild, USA"));
}

// Built once per program: what the window pays at start.
void BM_BuildAtlasFromGeonames(benchmark::State& run) {
  for (auto _ : run) benchmark::DoNotOptimize(Atlas::FromGeonames());
}

// libgeonames' own query, for comparison: it scans every city on each call.
void BM_LibgeonamesQueryTwoLetters(benchmark::State& run) {
  static const std::vector<std::string> prefixes = CommonPrefixes(2);
  std::size_t next = 0;
  for (auto _ : run) {
    guint count = 0;
    gint* found = geonames_query_cities_sync(prefixes[next].c_str(), GEONAMES_QUERY_DEFAULT, &count,
                                             nullptr, nullptr);
    benchmark::DoNotOptimize(found);
    g_free(found);
    next = (next + 1) % prefixes.size();
  }
}

constexpr int kRepetitions = 15;

BENCHMARK(BM_CompleteTwoLetters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CompleteThreeLetters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CompleteCommonestPrefix)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ResolveSeveralMatches)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResolveUnknownWithCandidates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAtlasFromGeonames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibgeonamesQueryTwoLetters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvel::bench
