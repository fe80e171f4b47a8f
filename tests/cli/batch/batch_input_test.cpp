#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "batch_test_support.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using testing::BatchRun;
using testing::ErrorLine;
using testing::RunBatchOn;

const std::string kGood =
    R"({"date": "2000-01-01", "time": "12:00", "zone": 29, "lat": "0:0N", "lon": "0:0W"})";
const std::string kGoodCsv = "2000-01-01,12:00,29,0:0N,0:0W";
const std::string kShortHeader = "date,time,zone,lat,lon";

bool IsChart(const std::string& line) {
  return line.starts_with("{\"BirthData\"");
}

// Every output line is one JSON object, whatever the input held.
void ExpectEveryLineParses(const BatchRun& run) {
  for (const std::string& line : run.lines) {
    EXPECT_TRUE(nlohmann::json::accept(line)) << line;
  }
}

TEST(BatchInputTest, EmptyLinesAreReportedAndTheBatchGoesOn) {
  const BatchRun run = RunBatchOn(kGood + "\n\n   \n" + kGood + "\n");
  ASSERT_EQ(run.lines.size(), 4u);
  EXPECT_TRUE(IsChart(run.lines[0]));
  EXPECT_EQ(run.lines[1], ErrorLine(2, "empty line"));
  EXPECT_EQ(run.lines[2], ErrorLine(3, "empty line"));
  EXPECT_TRUE(IsChart(run.lines[3]));
  EXPECT_EQ(run.status, 1);
}

// A line cut inside the object is malformed; a whole last line without its line feed, as
// spreadsheets write it, is read.
TEST(BatchInputTest, ALastLineWithoutLineFeedIsRead) {
  const BatchRun cut = RunBatchOn(kGood + "\n" + kGood.substr(0, 30) + "\n");
  ASSERT_EQ(cut.lines.size(), 2u);
  EXPECT_TRUE(IsChart(cut.lines[0]));
  EXPECT_EQ(cut.lines[1].rfind("{\"line\":2,\"error\":\"malformed JSON at byte ", 0), 0u)
      << cut.lines[1];
  for (const std::string& input :
       {kGood + "\n" + kGood, kShortHeader + "\n" + kGoodCsv + "\n" + kGoodCsv}) {
    const BatchRun unended = RunBatchOn(input);
    ASSERT_EQ(unended.lines.size(), 2u) << input;
    EXPECT_EQ(unended.lines[1], unended.lines[0]);
    EXPECT_TRUE(IsChart(unended.lines[1]));
    EXPECT_EQ(unended.status, 0);
  }
}

TEST(BatchInputTest, BytesThatAreNotUtf8AreRefusedAndTheOutputStaysUtf8) {
  const std::string latin1 =
      R"({"date": "2000-01-01", "time": "12:00", "zone": 29, "lat": "0:0N", "lon": "0:0W", )"
      "\"city\": \"Z\xFCrich\"}";
  const BatchRun run = RunBatchOn(latin1 + "\n\xFF\xFE{\n" + kGood + "\n");
  ASSERT_EQ(run.lines.size(), 3u);
  EXPECT_EQ(run.lines[0], ErrorLine(1, "invalid UTF-8 at byte 93"));
  EXPECT_EQ(run.lines[1], ErrorLine(2, "invalid UTF-8 at byte 1"));
  EXPECT_TRUE(IsChart(run.lines[2]));
  ExpectEveryLineParses(run);
  const BatchRun csv = RunBatchOn(kShortHeader + ",city\n" + kGoodCsv + ",Z\xFCrich\n");
  ASSERT_EQ(csv.lines.size(), 1u);
  EXPECT_EQ(csv.lines[0], ErrorLine(2, "invalid UTF-8 at byte 32"));
}

// The JSON library stops reading at a NUL byte, so nothing after one may pass unread.
TEST(BatchInputTest, ANulByteAnywhereInALineIsThatLinesError) {
  struct Case {
    std::string input;
    std::vector<std::string> lines;
  };
  const std::string nul(1, '\0');
  const std::string cutDate = R"({"date": "2000-01-01)";
  const Case cases[] = {
      {kGood + nul + "junk {{{\n" + kGood + "\n",
       {ErrorLine(1, "NUL byte at byte " + std::to_string(kGood.size() + 1)), "chart"}},
      {cutDate + nul + kGood.substr(cutDate.size()) + "\n", {ErrorLine(1, "NUL byte at byte 21")}},
      {"{" + nul + kGood.substr(1) + "\r\n", {ErrorLine(1, "NUL byte at byte 2")}},
      {kShortHeader + "\n" + kGoodCsv + nul + "\n" + kGoodCsv + "\n",
       {ErrorLine(2, "NUL byte at byte 30"), "chart"}},
      {kShortHeader + ",name\n" + kGoodCsv + ",Asha" + nul + "Rao\n",
       {ErrorLine(2, "NUL byte at byte 35")}},
      {"date" + nul + ",time,zone,lat,lon\n" + kGoodCsv + "\n",
       {ErrorLine(1, "CSV header: NUL byte at byte 5")}},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatchOn(c.input);
    ASSERT_EQ(run.lines.size(), c.lines.size()) << c.input;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      if (c.lines[i] == "chart") {
        EXPECT_TRUE(IsChart(run.lines[i])) << run.lines[i];
      } else {
        EXPECT_EQ(run.lines[i], c.lines[i]);
      }
    }
    EXPECT_EQ(run.status, 1);
  }
}

// A refusal quotes the input escaped, so the message stays one readable line in its JSON.
TEST(BatchInputTest, RefusalsQuoteTheInputEscaped) {
  const std::string rest = R"(, "time": "12:00", "zone": 29, "lat": "0:0N", "lon": "0:0W"})";
  const std::string csvHeader = kShortHeader + ",dst\n";
  const std::pair<std::string, std::string> cases[] = {
      {R"({"date": "2000\n01-01")" + rest, "malformed date '2000\\n01-01': expected YYYY-MM-DD"},
      {R"({"\u001b[31m": 1})", "unknown field '\\e[31m'"},
      {R"({"\u0000": 1})", "unknown field '\\x00'"},
      {R"({"sky": "\u2028", "date": "2000-01-01")" + rest, "sky '\\u2028' is not classic or swiss"},
      {R"({"date": "2000-01-01", "city": "A\u0085B")" + rest,
       "Please enter only letters: 'A\\u0085B'"},
      {csvHeader + kGoodCsv + ",maybe\x7f", "dst 'maybe\\x7f' is not true or false"},
      {"date,ti\x01me,zone,lat,lon", "CSV header: unknown field 'ti\\x01me' (the first line"},
  };
  for (const auto& [input, message] : cases) {
    const BatchRun run = RunBatchOn(input + "\n");
    ASSERT_FALSE(run.lines.empty()) << message;
    const auto error = nlohmann::json::parse(run.lines.back())["error"].get<std::string>();
    EXPECT_EQ(error.substr(0, message.size()), message);
    EXPECT_EQ(error.find_first_of("\n\r\x1b"), std::string::npos) << error;
  }
}

TEST(BatchInputTest, ValidUtf8ThatIsNoLetterGetsTheChartCommandsMessage) {
  const BatchRun run = RunBatchOn(kShortHeader + ",city\n" + kGoodCsv + ",Zürich\n");
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0], ErrorLine(2, "Please enter only letters: 'Zürich'"));
  ExpectEveryLineParses(run);
}

TEST(BatchInputTest, CsvWithoutItsHeaderStopsWithOneClearError) {
  const BatchRun run = RunBatchOn(kGoodCsv + "\n" + kGoodCsv + "\n");
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_NE(run.lines[0].find("\"line\":1,\"error\":\"missing CSV header (the first line must "
                              "name the columns: date,time,zone,lat,lon,dst,name,city,state,"
                              "country,place,sky,ayanamsa,node,varga,offset,style)\""),
            std::string::npos)
      << run.lines[0];
  EXPECT_EQ(run.status, 1);
}

TEST(BatchInputTest, BadCsvHeadersAreRefused) {
  struct Case {
    std::string header;
    std::string error;  // the start of the message
  };
  const Case cases[] = {
      {"date,time,zone,lat,lon,colour", "CSV header: unknown field 'colour'"},
      {"date,time,zone,lat", "CSV header: field 'lon' is missing"},
      {"date,time,zone,lat,lon,date", "CSV header: field 'date' is given twice"},
      {"date,time,zone,lat,\"lon", "CSV header: CSV field 5 has no closing quote"},
      {"", "missing CSV header"},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatchOn(c.header + "\n" + kGoodCsv + "\n", 1, cli::BatchFormat::Csv);
    ASSERT_EQ(run.lines.size(), 1u) << c.header;
    const std::string start = "{\"line\":1,\"error\":\"" + c.error;
    EXPECT_EQ(run.lines[0].rfind(start, 0), 0u) << run.lines[0];
    EXPECT_EQ(run.status, 1);
  }
}

TEST(BatchInputTest, CsvCellsFollowTheQuotingRules) {
  struct Case {
    std::string line;
    std::string error;  // empty when the line gives a chart
  };
  const Case cases[] = {
      {kGoodCsv + ",\"Asha Rao\",\"\"", ""},
      {kGoodCsv + ",Asha Rao,", ""},
      {kGoodCsv + ",\"Rao, Asha\",", "Please enter only letters: 'Rao, Asha'"},
      {kGoodCsv + ",\"Say \"\"Hi\"\"\",", "Please enter only letters: 'Say \"Hi\"'"},
      {kGoodCsv + ",As\"ha,", "CSV field 6 has a quote but does not start with one"},
      {kGoodCsv + ",\"Asha\"Rao,", "CSV field 6 has text after its closing quote"},
      {kGoodCsv + ",\"Asha,", "CSV field 6 has no closing quote"},
      {kGoodCsv + ",Asha", "6 CSV fields where the header names 7"},
      {kGoodCsv + ",Asha,Mumbai,India", "8 CSV fields where the header names 7"},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatchOn(kShortHeader + ",name,city\n" + c.line + "\n");
    ASSERT_EQ(run.lines.size(), 1u) << c.line;
    if (c.error.empty()) {
      EXPECT_TRUE(IsChart(run.lines[0])) << c.line << ": " << run.lines[0];
    } else {
      EXPECT_EQ(run.lines[0], ErrorLine(2, c.error)) << c.line;
    }
  }
}

TEST(BatchInputTest, CsvZoneAndDaylightSavingCells) {
  struct Case {
    std::string zone;
    std::string dst;
    std::string error;  // empty when the line gives a chart
  };
  const Case cases[] = {
      {"34", "", ""},
      {"034", "TRUE", ""},
      {"34", "1", ""},
      {"34", "false", ""},
      {"71", "0", "zone row 71 is outside 0-70"},
      {"-1", "0", "zone row -1 is outside 0-70"},
      {"99999999999999999999", "0", "zone row 99999999999999999999 is outside 0-70"},
      {"3 4", "0", "zone '3 4' is not a whole number"},
      {"", "0", "field 'zone' is missing"},
      {"34", "maybe", "dst 'maybe' is not true or false"},
  };
  for (const Case& c : cases) {
    const std::string input =
        "date,time,zone,lat,lon,dst\n2000-01-01,12:00," + c.zone + ",0:0N,0:0W," + c.dst + "\n";
    const BatchRun run = RunBatchOn(input);
    ASSERT_EQ(run.lines.size(), 1u) << c.zone;
    if (c.error.empty()) {
      ASSERT_TRUE(IsChart(run.lines[0])) << run.lines[0];
      const auto chart = nlohmann::json::parse(run.lines[0]);
      // Leading zeros are decimal: row 34, Indian time.
      EXPECT_EQ(chart["ZoneRow"], 34);
      EXPECT_EQ(chart["BirthData"]["IsDST"], c.dst == "TRUE" || c.dst == "1" ? -1 : 0);
    } else {
      EXPECT_EQ(run.lines[0], ErrorLine(2, c.error));
    }
  }
}

TEST(BatchInputTest, JsonLinesAreCheckedFieldByField) {
  const std::string start = R"({"date": "2000-01-01", "time": "12:00", )";
  struct Case {
    std::string line;
    std::string error;  // empty when the line gives a chart
  };
  const Case cases[] = {
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "name": null, "dst": null})", ""},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "colour": "red"})",
       "unknown field 'colour'"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "zone": 29})",
       "field 'zone' is given twice"},
      {start + R"("zone": "29", "lat": "0:0N", "lon": "0:0W"})",
       "field 'zone' must be a whole number"},
      {start + R"("zone": 29.5, "lat": "0:0N", "lon": "0:0W"})",
       "field 'zone' must be a whole number"},
      {start + R"("zone": 29, "lat": 0, "lon": "0:0W"})", "field 'lat' must be a string"},
      {start + R"("zone": 29, "lat": null, "lon": "0:0W"})", "field 'lat' must be a string"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "dst": "yes"})",
       "field 'dst' must be true or false"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "name": ["Asha"]})",
       "field 'name' must be a string"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": {"deg": 0}})", "field 'lon' must be a string"},
      {start + R"("zone": 29, "lat": "0:0N"})", "field 'lon' is missing"},
      {start + R"("zone": 18446744073709551615, "lat": "0:0N", "lon": "0:0W"})",
       "zone row 18446744073709551615 is outside 0-70"},
      {start + R"("zone": -3, "lat": "0:0N", "lon": "0:0W"})", "zone row -3 is outside 0-70"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "name": 18446744073709551616})",
       "field 'name' must be a string"},
      {start + R"("zone": 29, "lat": "0:0N", "lon": "0:0W", "offset": null})", ""},
      {R"(["2000-01-01"])", "expected a JSON object, not an array"},
      {kGood + " {}", "malformed JSON at byte "},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatchOn(c.line + "\n", 1, cli::BatchFormat::JsonLines);
    ASSERT_EQ(run.lines.size(), 1u) << c.line;
    if (c.error.empty()) {
      EXPECT_TRUE(IsChart(run.lines[0])) << c.line << ": " << run.lines[0];
    } else {
      const std::string expected = "{\"line\":1,\"error\":\"" + c.error;
      EXPECT_EQ(run.lines[0].rfind(expected, 0), 0u) << run.lines[0];
    }
  }
}

TEST(BatchInputTest, WindowsLineEndsAndAByteOrderMarkAreAccepted) {
  const BatchRun json = RunBatchOn("\xEF\xBB\xBF" + kGood + "\r\n" + kGood + "\r\n");
  ASSERT_EQ(json.lines.size(), 2u);
  EXPECT_TRUE(IsChart(json.lines[0]) && IsChart(json.lines[1]));
  EXPECT_EQ(json.status, 0);
  const BatchRun csv = RunBatchOn("\xEF\xBB\xBF" + kShortHeader + "\r\n" + kGoodCsv + "\r\n");
  ASSERT_EQ(csv.lines.size(), 1u);
  EXPECT_TRUE(IsChart(csv.lines[0]));
}

TEST(BatchInputTest, TheFirstCharacterChoosesTheFormat) {
  EXPECT_EQ(cli::DetectFormat('{'), cli::BatchFormat::JsonLines);
  EXPECT_EQ(cli::DetectFormat('d'), cli::BatchFormat::Csv);
  EXPECT_EQ(cli::DetectFormat(std::nullopt), cli::BatchFormat::Csv);
  // Blank lines before the first object still make JSON lines, however many.
  const BatchRun run = RunBatchOn(std::string(40000, '\n') + kGood + "\n");
  ASSERT_EQ(run.lines.size(), 40001u);
  EXPECT_EQ(run.lines[39999], ErrorLine(40000, "empty line"));
  EXPECT_TRUE(IsChart(run.lines[40000]));
  // A format given overrides the guess: JSON read as CSV has no header.
  const BatchRun forced = RunBatchOn(kGood + "\n", 1, cli::BatchFormat::Csv);
  ASSERT_EQ(forced.lines.size(), 1u);
  EXPECT_NE(forced.lines[0].find("CSV header"), std::string::npos) << forced.lines[0];
}

TEST(BatchInputTest, OverlongLinesAreRefusedAndTheNextLineIsRead) {
  const std::string huge = "{\"name\": \"" + std::string(cli::kMaxBatchLineBytes, 'a') + "\"}";
  const BatchRun run = RunBatchOn(huge + "\n" + kGood + "\n");
  ASSERT_EQ(run.lines.size(), 2u);
  EXPECT_EQ(run.lines[0], ErrorLine(1, "line is longer than 16384 bytes"));
  EXPECT_TRUE(IsChart(run.lines[1]));
  // The longest line reads the same with CRLF as with LF, or with neither at the end.
  const std::string longest = kGood + std::string(16384 - kGood.size(), ' ');
  for (const std::string end : {"\n", "\r\n", ""})
    EXPECT_TRUE(IsChart(RunBatchOn(longest + end).lines.at(0))) << end.size();
}

TEST(BatchInputTest, EmptyInputsGiveNothingAndSucceed) {
  for (const std::string& input : {std::string(), kShortHeader + "\n"}) {
    const BatchRun run = RunBatchOn(input);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(run.status, 0);
  }
}

class BatchCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("tarvel-batch-test-" + std::to_string(::getpid()) + ".csv");
  }
  void TearDown() override { std::filesystem::remove(path_); }

  std::filesystem::path path_;
};

TEST_F(BatchCommandLineTest, ReadsTheNamedFile) {
  std::ofstream(path_) << kShortHeader << "\n" << kGoodCsv << "\n\n";
  const auto run = testing::RunCli({"batch", path_.string(), "--jobs", "2", "--format", "csv"});
  EXPECT_EQ(run.status, 1);
  const auto lines = testing::SplitLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(IsChart(lines[0]));
  EXPECT_EQ(lines[1], ErrorLine(3, "empty line"));
  // The error output is no terminal here: no progress line.
  EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(BatchCommandLineTest, RefusesBadOptionsAndMissingFiles) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"batch", path_.string()},
                                               {"batch", "--jobs", "0"},
                                               {"batch", "--format", "xml"}}) {
    const auto run = testing::RunCli(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST_F(BatchCommandLineTest, AFileThatCannotBeOpenedIsNamedOnOneLine) {
  const auto run = testing::RunCli({"batch", path_.string() + "\n\x1b"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tarvel-cli: cannot open '" + path_.string() + "\\n\\e'\n");
}

TEST_F(BatchCommandLineTest, HelpDescribesTheInput) {
  const auto run = testing::RunCli({"batch", "--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* text : {"--format", "--jobs", "JSON lines", "date,time,zone,lat,lon"}) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace tarvel

namespace tarvel {
namespace {

// An exact offset stands for the zone and daylight saving; seconds follow the minutes; the
// date follows the line's sky. 14:07:30 at +05:30 is 08:37:30 universal time; 72°49' East is
// 4h 51m 16s of mean time ahead.
TEST(BatchInputTest, AnOffsetSecondsAndThePreciseSkysYearsAsOnTheCommandLine) {
  const std::string birth = R"("lat": "18:58N", "lon": "72:49E", "date": )";
  const struct {
    std::string line;
    std::string universalOrError;
  } cases[] = {
      {"{" + birth + R"("1980-03-05", "time": "14:07:30", "offset": "+05:30"})",
       "1980-03-05T08:37:30Z"},
      {"{" + birth + R"("1850-03-05", "time": "14:07", "offset": "lmt", "sky": "swiss"})",
       "1850-03-05T09:15:44Z"},
      {"{" + birth + R"("1850-03-05", "time": "14:07", "offset": "lmt"})",
       "the precise sky (--sky swiss) computes 1800-2399"},
      {"{" + birth + R"("1980-03-05", "time": "14:07", "offset": "+05:30", "zone": 34})",
       "field 'offset' stands instead of 'zone' and 'dst', not with them"},
      {"{" + birth + R"("1980-03-05", "time": "14:07", "offset": "+05:30", "dst": false})",
       "field 'offset' stands instead of 'zone' and 'dst', not with them"},
      {"date,time,offset,lat,lon\n1980-03-05,14:07:30,+05:30,18:58N,72:49E",
       "1980-03-05T08:37:30Z"},
      // One file mixes births on a zone row and on an exact offset; an empty cell is left out.
      {"date,time,zone,dst,offset,lat,lon\n1980-03-05,14:07:30,,,+05:30,18:58N,72:49E",
       "1980-03-05T08:37:30Z"},
      {"date,time,zone,dst,offset,lat,lon\n1980-03-05,14:07:30,34,false,,18:58N,72:49E",
       "1980-03-05T08:37:30Z"},
      {"date,time,zone,dst,offset,lat,lon\n1980-03-05,14:07:30,34,,+05:30,18:58N,72:49E",
       "field 'offset' stands instead of 'zone' and 'dst', not with them"},
  };
  for (const auto& c : cases) {
    const testing::BatchRun run = testing::RunBatchOn(c.line + "\n");
    ASSERT_EQ(run.lines.size(), 1u) << c.line;
    EXPECT_NE(run.lines[0].find(c.universalOrError), std::string::npos) << c.line << "\n"
                                                                        << run.lines[0];
  }
}

}  // namespace
}  // namespace tarvel
