// What `batch --fields` and `batch --output csv` write, and the fast JSON reader's agreement
// with the careful one.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "batch_test_support.h"
#include "cli/batch/batch_csv_output.h"
#include "cli/batch/batch_output_choice.h"

namespace tarvel::testing {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kBirth =
    R"({"date": "1980-03-05", "time": "14:07", "zone": 34, "lat": "18:58N", "lon": "72:49E"})";

std::vector<std::string> RunWithOutput(const std::string& input, cli::BatchOutputFormat format,
                                       const std::optional<std::string>& fields) {
  auto output = cli::MakeBatchOutput(format, fields);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  cli::BatchRequest request;
  request.output = std::get<std::unique_ptr<cli::BatchOutput>>(output).get();
  cli::RunBatch(in, request, out, err);
  return SplitLines(out.str());
}

TEST(BatchFields, KeysComeInTheOrderAskedWithTheWholeChartsValues) {
  const Json whole = Json::parse(RunBatchOn(std::string(kBirth) + "\n").lines.at(0));
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"PlanetSigns,ArgalaList", {"PlanetSigns", "ArgalaList"}},
      {"Reading,BirthData", {"Reading", "BirthData"}},
      {"Longitudes", {"Longitudes"}},
      // A line that names no place has no Place to write.
      {"Place,ZoneRow", {"ZoneRow"}},
  };
  for (const auto& [fields, keys] : cases) {
    const auto lines =
        RunWithOutput(std::string(kBirth) + "\n", cli::BatchOutputFormat::JsonLines, fields);
    const Json chosen = Json::parse(lines.at(0));
    std::vector<std::string> written;
    for (const auto& [key, value] : chosen.items()) {
      written.push_back(key);
      EXPECT_EQ(value, whole[key]) << key;
    }
    EXPECT_EQ(written, keys) << fields;
  }
}

TEST(BatchFields, ErrorsKeepTheirShape) {
  EXPECT_EQ(RunWithOutput("{}\n", cli::BatchOutputFormat::JsonLines, "ZoneRow"),
            std::vector<std::string>{ErrorLine(1, "field 'date' is missing")});
  EXPECT_EQ(RunWithOutput("{}\n", cli::BatchOutputFormat::Csv, "sun_sign,error"),
            (std::vector<std::string>{"line,sun_sign,error", "1,,field 'date' is missing"}));
}

TEST(BatchFields, UnknownOrRepeatedFieldsAreRefusedWithTheKnownOnes) {
  const std::vector<std::tuple<cli::BatchOutputFormat, std::string, std::string>> cases = {
      {cli::BatchOutputFormat::JsonLines, "Nope", "unknown key 'Nope' (the keys: BirthData,"},
      {cli::BatchOutputFormat::JsonLines, "ZoneRow,ZoneRow", "repeated key 'ZoneRow'"},
      {cli::BatchOutputFormat::JsonLines, "", "unknown key ''"},
      {cli::BatchOutputFormat::JsonLines, "sun_sign", "unknown key 'sun_sign'"},
      {cli::BatchOutputFormat::Csv, "sun_sign,Reading",
       "unknown column 'Reading' (the columns: line,name,"},
  };
  for (const auto& [format, fields, message] : cases) {
    auto output = cli::MakeBatchOutput(format, fields);
    ASSERT_TRUE(std::holds_alternative<std::string>(output)) << fields;
    EXPECT_NE(std::get<std::string>(output).find(message), std::string::npos)
        << std::get<std::string>(output);
  }
}

// Worked by hand: IST is 5:30 ahead (East); EST is 5:00 behind (West), an hour less with
// daylight saving; 18:58 is 18 + 58/60 degrees.
TEST(BatchCsv, BirthColumnsAsTheChartReadThem) {
  const std::string input =
      std::string(kBirth) + "\n" +
      R"({"date": "1999-12-31", "time": "23:59", "zone": 27, "lat": "40:45S", "lon": "73:59W", "dst": true, "city": "Pune"})" +
      "\n";
  EXPECT_EQ(RunWithOutput(input, cli::BatchOutputFormat::Csv,
                          "date,time,latitude,longitude,utc_offset,place,ascendant_house"),
            (std::vector<std::string>{
                "line,date,time,latitude,longitude,utc_offset,place,ascendant_house",
                "1,1980-03-05,14:07:00,18.966666666666665,72.81666666666666,+05:30,,1",
                "2,1999-12-31,23:59:00,-40.75,-73.98333333333333,-04:00,Pune,1"}));
}

TEST(BatchCsv, CellsAreQuotedAsRfc4180Asks) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain", "plain"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"", ""},
  };
  for (const auto& [cell, written] : cases) {
    std::string out;
    cli::AppendCsvCell(cell, out);
    EXPECT_EQ(out, written);
  }
}

}  // namespace
}  // namespace tarvel::testing
