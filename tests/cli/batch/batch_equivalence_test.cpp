#include <gtest/gtest.h>

#include <functional>

#include "batch_test_support.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using testing::BatchRun;
using testing::ErrorLine;
using testing::RunBatchOn;
using testing::RunCli;

// Births the chart command refuses, each made from a valid one.
const std::vector<std::function<void(cli::BirthOptions&)>> kSpoilers = {
    [](cli::BirthOptions& b) { b.date = "1980-02-30"; },
    [](cli::BirthOptions& b) { b.date = "2051-01-01"; },
    [](cli::BirthOptions& b) { b.time = "24:00"; },
    [](cli::BirthOptions& b) { b.zone = 71; },
    [](cli::BirthOptions& b) { b.latitude = "91:00N"; },
    [](cli::BirthOptions& b) { b.longitude = "180:01W"; },
    [](cli::BirthOptions& b) { b.latitude = "18.5N"; },
    [](cli::BirthOptions& b) { b.name = "Rao, Asha"; },
    [](cli::BirthOptions& b) { b.city = "O'Hara"; },
};

// Valid births with a refused one at every fifth place.
std::vector<cli::BirthOptions> MixedBirths(int count) {
  testing::Lcg random(20240229);
  std::vector<cli::BirthOptions> births;
  for (int i = 0; i < count; ++i) {
    cli::BirthOptions birth = testing::RandomBirth(random);
    if (i % 5 == 4) kSpoilers[static_cast<std::size_t>(i / 5) % kSpoilers.size()](birth);
    births.push_back(birth);
  }
  return births;
}

// What the chart command prints for a birth: its JSON line, or its refusal as batch reports
// it for input line `lineNumber`.
std::string ChartCommandLine(const cli::BirthOptions& birth, std::uint64_t lineNumber) {
  const auto run = RunCli(testing::ChartArgs(birth));
  if (run.status == 0) return run.out.substr(0, run.out.size() - 1);
  const std::string prefix = "tarvel-cli: ";
  EXPECT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
  return ErrorLine(lineNumber, run.err.substr(prefix.size(), run.err.size() - prefix.size() - 1));
}

// Compares every output line with the chart command's; the first data line is line
// `firstLine` of the input.
void ExpectChartCommandLines(const BatchRun& run, const std::vector<cli::BirthOptions>& births,
                             std::uint64_t firstLine) {
  ASSERT_EQ(run.lines.size(), births.size());
  int charts = 0;
  for (std::size_t i = 0; i < births.size(); ++i) {
    const std::string expected = ChartCommandLine(births[i], firstLine + i);
    EXPECT_EQ(run.lines[i], expected) << "input line " << firstLine + i;
    charts += expected.starts_with("{\"BirthData\"") ? 1 : 0;
  }
  // Both kinds must really be there for the comparison to mean anything.
  EXPECT_EQ(charts, static_cast<int>(births.size() - births.size() / 5));
  EXPECT_EQ(run.status, 1);
}

TEST(BatchMatchesChartTest, JsonLinesGiveWhatChartJsonPrints) {
  const auto births = MixedBirths(300);
  std::string input;
  for (const auto& birth : births) input += testing::JsonLine(birth) + "\n";
  ExpectChartCommandLines(RunBatchOn(input, 2), births, 1);
}

TEST(BatchMatchesChartTest, CsvLinesGiveWhatChartJsonPrints) {
  const auto births = MixedBirths(300);
  std::string input = testing::kCsvHeader + "\n";
  for (const auto& birth : births) input += testing::CsvLine(birth) + "\n";
  ExpectChartCommandLines(RunBatchOn(input, 1), births, 2);
}

TEST(BatchMatchesChartTest, OneAndSeveralJobsGiveTheSameOutput) {
  const auto births = MixedBirths(1000);
  std::string input;
  for (const auto& birth : births) input += testing::JsonLine(birth) + "\n";
  const BatchRun one = RunBatchOn(input, 1);
  ASSERT_EQ(one.lines.size(), births.size());
  for (std::size_t jobs : {2, 3}) {
    const BatchRun several = RunBatchOn(input, jobs);
    EXPECT_EQ(several.lines, one.lines) << jobs << " jobs";
    EXPECT_EQ(several.status, one.status);
  }
}

TEST(BatchMatchesChartTest, AllValidLinesExitWithSuccess) {
  testing::Lcg random(7);
  std::string input;
  for (int i = 0; i < 20; ++i) input += testing::JsonLine(testing::RandomBirth(random)) + "\n";
  const BatchRun run = RunBatchOn(input, 2);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines.size(), 20u);
  EXPECT_TRUE(run.err.empty());
}

// 1 January 2000, 12:00 at Greenwich: the reference chart, through both input formats.
TEST(BatchMatchesChartTest, ReferenceChartComesThroughBothFormats) {
  const std::string json =
      R"({"date": "2000-01-01", "time": "12:00", "zone": 29, "lat": "0:0N", "lon": "0:0W"})"
      "\n";
  const std::string csv = "date,time,zone,lat,lon\n2000-01-01,12:00,29,0:0N,0:0W\n";
  for (const std::string& input : {json, csv}) {
    const BatchRun run = RunBatchOn(input);
    ASSERT_EQ(run.lines.size(), 1u);
    const auto chart = nlohmann::json::parse(run.lines[0]);
    EXPECT_EQ(chart["MoonPosition"], "19\u00b0 27' 44\" Lib");
    EXPECT_EQ(chart["AscendantPosition"], "17\u00b0 31' 26\" Pis");
    EXPECT_EQ(chart["PlanetSigns"][0], "16 Sag 31");
    EXPECT_EQ(chart["ZoneRow"], 29);
  }
}

}  // namespace
}  // namespace tarvel

namespace tarvel {
namespace {

// A place and a sky named in a line give what the chart command gives for the same options,
// in JSON lines and in CSV (where an empty zone or coordinate cell is left to the place).
TEST(BatchEquivalenceTest, PlaceAndSkyFieldsGiveTheChartCommandsChart) {
  const auto chart = RunCli({"chart", "--json", "--date", "1980-03-05", "--time", "14:07",
                             "--place", "Mumbai, India", "--sky", "swiss", "--ayanamsa", "raman"});
  ASSERT_EQ(chart.status, 0) << chart.err;
  const std::string expected = chart.out.substr(0, chart.out.size() - 1);
  const BatchRun json = RunBatchOn(
      R"({"date": "1980-03-05", "time": "14:07", "place": "Mumbai, India", "sky": "swiss", )"
      R"("ayanamsa": "raman"})"
      "\n");
  ASSERT_EQ(json.lines.size(), 1u);
  EXPECT_EQ(json.lines[0], expected);
  const BatchRun csv = RunBatchOn(
      "date,time,zone,lat,lon,dst,place,sky,ayanamsa\n"
      "1980-03-05,14:07,,,,,\"Mumbai, India\",swiss,raman\n");
  ASSERT_EQ(csv.lines.size(), 1u);
  EXPECT_EQ(csv.lines[0], expected);
  const BatchRun defaults = [] {
    std::istringstream in(R"({"date": "1980-03-05", "time": "14:07", "place": "Mumbai, India"})"
                          "\n");
    std::ostringstream out, err;
    cli::BatchRequest request;
    request.sky = {SkyKind::Swiss, AyanamsaKind::Raman, std::nullopt};
    BatchRun run;
    run.status = cli::RunBatch(in, request, out, err);
    run.lines = testing::SplitLines(out.str());
    return run;
  }();
  ASSERT_EQ(defaults.lines.size(), 1u);
  EXPECT_EQ(defaults.lines[0], expected);
}

TEST(BatchEquivalenceTest, ALineWithoutZoneOrPlaceIsRefused) {
  const BatchRun run = RunBatchOn(R"({"date": "1980-03-05", "time": "14:07", "lat": "1:00N"})"
                                  "\n");
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0], ErrorLine(1, "field 'zone' is missing"));
}

}  // namespace
}  // namespace tarvel
