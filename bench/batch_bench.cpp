#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>

#include "atlas/lazy_atlas.h"
#include "bench_births.h"
#include "chart/skies.h"
#include "cli/batch/batch_command.h"
#include "cli/batch/batch_csv.h"
#include "cli/batch/batch_json_line.h"
#include "cli/batch/chart_worker.h"
#include "cli/chart/chart_json.h"

namespace tarvel::bench {
namespace {

constexpr int kBatchLines = 4096;

std::string JsonLine(const SampleBirth& birth) {
  std::ostringstream line;
  line << R"({"date": ")" << birth.date << R"(", "time": ")" << birth.time << R"(", "zone": )"
       << birth.zone << R"(, "lat": ")" << birth.latitude << R"(", "lon": ")" << birth.longitude
       << R"(", "dst": )" << (birth.dst ? "true" : "false")
       << R"(, "name": "Asha Rao", "city": "Mumbai", "state": "Maharashtra", "country": "India"})";
  return line.str();
}

std::string CsvLine(const SampleBirth& birth) {
  std::ostringstream line;
  line << birth.date << ',' << birth.time << ',' << birth.zone << ',' << birth.latitude << ','
       << birth.longitude << ',' << (birth.dst ? "true" : "false")
       << ",\"Asha Rao\",Mumbai,Maharashtra,India";
  return line.str();
}

std::string BatchInput(cli::BatchFormat format) {
  std::string input;
  if (format == cli::BatchFormat::Csv)
    input = "date,time,zone,lat,lon,dst,name,city,state,country\n";
  for (int line = 0; line < kBatchLines; ++line) {
    const SampleBirth& birth = kSampleBirths[static_cast<std::size_t>(line) % kSampleBirths.size()];
    input += (format == cli::BatchFormat::Csv ? CsvLine(birth) : JsonLine(birth)) + "\n";
  }
  return input;
}

// Counts what is written and keeps nothing, as a fast output device would.
class CountingBuffer : public std::streambuf {
 public:
  std::streamsize bytes = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    bytes += count;
    return count;
  }
  int_type overflow(int_type c) override {
    ++bytes;
    return c;
  }
};

// The whole batch on an in-memory input; Args: format (0 JSON lines, 1 CSV), jobs and sky
// (0 classic, 1 the Swiss Ephemeris).
void BM_Batch(benchmark::State& run) {
  const auto format = run.range(0) == 0 ? cli::BatchFormat::JsonLines : cli::BatchFormat::Csv;
  const std::string input = BatchInput(format);
  cli::BatchRequest request;
  request.format = format;
  request.jobs = static_cast<std::size_t>(run.range(1));
  if (run.range(2) == 1) request.sky.kind = SkyKind::Swiss;
  for (auto _ : run) {
    std::istringstream in(input);
    CountingBuffer sink;
    std::ostream out(&sink);
    std::ostringstream err;
    benchmark::DoNotOptimize(cli::RunBatch(in, request, out, err));
  }
  run.SetItemsProcessed(run.iterations() * kBatchLines);
}
BENCHMARK(BM_Batch)
    ->ArgNames({"csv", "jobs", "swiss"})
    ->Args({0, 1, 0})
    ->Args({0, 2, 0})
    ->Args({1, 1, 0})
    ->Args({1, 2, 0})
    ->Args({0, 1, 1})
    ->Args({0, 2, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The parts of one batch line: reading the line, and the chart with its JSON.
void BM_ParseJsonLine(benchmark::State& run) {
  const std::string line = JsonLine(kSampleBirths[0]);
  for (auto _ : run) benchmark::DoNotOptimize(cli::ParseJsonBirthLine(line));
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_ParseJsonLine);

void BM_ParseCsvLine(benchmark::State& run) {
  const auto header = std::get<cli::CsvHeader>(
      cli::CsvHeader::Parse("date,time,zone,lat,lon,dst,name,city,state,country"));
  const std::string line = CsvLine(kSampleBirths[0]);
  std::vector<std::string> cells;
  for (auto _ : run) benchmark::DoNotOptimize(header.ParseLine(line, cells));
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_ParseCsvLine);

void BM_ChartJson(benchmark::State& run) {
  const ChartState state = SampleStates().front();
  for (auto _ : run) benchmark::DoNotOptimize(cli::ChartJson(state));
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_ChartJson);

void BM_ChartJsonFromOptions(benchmark::State& run) {
  std::vector<cli::BirthOptions> births;
  for (const SampleBirth& birth : kSampleBirths) births.push_back(SampleOptions(birth));
  const Skies skies;
  const LazyAtlas atlas;
  const cli::ChartContext context{skies, atlas, {}};
  cli::ChartWorker worker(context);
  std::size_t next = 0;
  std::string json;
  for (auto _ : run) {
    json.clear();
    benchmark::DoNotOptimize(worker.AppendChartJson(births[next], json));
    next = (next + 1) % births.size();
  }
  run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_ChartJsonFromOptions);

}  // namespace
}  // namespace tarvel::bench
