// Every output, byte for byte, against golden text files: the text chart and the JSON of 400
// generated births, the same births in the precise sky, in vargas, at exact offsets and in the
// other chart styles, the batch in JSON, CSV and with fields, the Vimshottari periods, and 40
// reading files opened.
// A difference prints a unified diff of the first case that differs.
// scripts/record-goldens.sh records the files again (TARVEL_RECORD_GOLDENS=1).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <nlohmann/json.hpp>

#include "cli_test_support.h"
#include "form/scramble.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

const fs::path kData = TARVEL_REGRESSION_DATA;
const fs::path kGoldens = kData / "goldens";

/// One run of tarvel-cli: how a golden names it, and the words it is given.
struct GoldenCase {
  std::string title;
  std::vector<std::string> args;
};

std::vector<std::string> Lines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
  return cells;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

std::vector<std::string> BirthArgs(const nlohmann::json& birth, bool withZone) {
  std::vector<std::string> args{"chart", "--date",     birth["date"], "--time",    birth["time"],
                                "--lat", birth["lat"], "--lon",       birth["lon"]};
  if (withZone) {
    args.insert(args.end(), {"--zone", std::to_string(birth["zone"].get<int>())});
    if (birth["dst"].get<bool>()) args.emplace_back("--dst");
  }
  for (const char* key : {"name", "city", "state", "country"}) {
    if (birth.contains(key)) args.insert(args.end(), {std::string("--") + key, birth[key]});
  }
  return args;
}

GoldenCase CaseOf(std::vector<std::string> args) {
  return {Joined(args), std::move(args)};
}

std::vector<nlohmann::json> Births() {
  std::vector<nlohmann::json> births;
  for (const std::string& line : Lines(kData / "births.jsonl"))
    births.push_back(nlohmann::json::parse(line));
  return births;
}

// Each birth as text and as JSON, on its zone row in the classic sky.
std::vector<GoldenCase> ChartCases() {
  std::vector<GoldenCase> cases;
  for (const nlohmann::json& birth : Births()) {
    std::vector<std::string> args = BirthArgs(birth, true);
    cases.push_back(CaseOf(args));
    args.emplace_back("--json");
    cases.push_back(CaseOf(args));
  }
  return cases;
}

// Every fourth birth in each of the other ways a chart is asked for, text and JSON.
std::vector<GoldenCase> VariantCases() {
  const std::array<std::vector<std::string>, 6> variants{{
      {"--sky", "swiss", "--summary"},
      {"--sky", "swiss", "--ayanamsa", "raman", "--node", "true", "--degrees"},
      {"--summary", "--degrees", "--retrograde", "--style", "north"},
      {"--style", "east", "--degrees"},
  }};
  const std::array<const char*, 5> offsets{"+05:30", "-03:30:15", "+00:00", "lmt", "+14:00"};
  const std::array<const char*, 8> vargas{"2", "3", "9", "12", "16", "30", "45", "60"};
  std::vector<GoldenCase> cases;
  const std::vector<nlohmann::json> births = Births();
  for (std::size_t i = 0; i < births.size(); i += 4) {
    const std::size_t n = i / 4;
    std::vector<std::string> args = BirthArgs(births[i], n % 3 != 0);
    if (n % 3 == 0) args.insert(args.end(), {"--offset", offsets[n % offsets.size()]});
    const std::vector<std::string>& variant = variants[n % 4];
    args.insert(args.end(), variant.begin(), variant.end());
    if (n % 2 == 0) args.insert(args.end(), {"--varga", vargas[n / 2 % vargas.size()]});
    cases.push_back(CaseOf(args));
    args.emplace_back("--json");
    cases.push_back(CaseOf(args));
  }
  return cases;
}

// A batch run titled with its input's name, given the input's path.
GoldenCase BatchCase(const std::vector<std::string>& run) {
  GoldenCase batch = CaseOf(run);
  batch.args.back() = (kData / batch.args.back()).string();
  return batch;
}

std::vector<GoldenCase> BatchCases() {
  const std::vector<std::vector<std::string>> runs{
      {"batch", "--jobs", "2", "births.jsonl"},
      {"batch", "--jobs", "1", "--output", "csv", "births.csv"},
      {"batch", "--fields", "PlanetSigns,ArgalaList,VirodhargalaList", "births.csv"},
      {"batch", "--output", "csv", "--fields", "name,sun_sign,moon_house,utc_offset",
       "births.jsonl"},
      {"batch", "--sky", "swiss", "--varga", "9", "--fields",
       "Sky,Longitudes,PlanetSigns,SignContents,Reading,ArgalaSummary", "births.jsonl"},
  };
  std::vector<GoldenCase> cases;
  for (const std::vector<std::string>& run : runs) cases.push_back(BatchCase(run));
  return cases;
}

// Every fortieth birth with its periods: text (with the synthesis now and then) and JSON to
// each depth in turn, in each year, on a fixed day; then the periods in batches.
std::vector<GoldenCase> PeriodCases() {
  const std::array<const char*, 4> years{"sidereal", "julian", "tropical", "savana"};
  std::vector<GoldenCase> cases;
  const std::vector<nlohmann::json> births = Births();
  for (std::size_t i = 0; i < births.size(); i += 40) {
    const std::size_t n = i / 40;
    std::vector<std::string> args = BirthArgs(births[i], true);
    args.insert(args.end(), {"--dasha", "--dasha-year", years[n % years.size()], "--dasha-depth",
                             std::to_string(n % 3 + 1)});
    std::vector<std::string> text = args;
    text.insert(text.end(), {"--on", "2024-05-01"});
    if (n % 2 == 0) text.emplace_back("--summary");
    cases.push_back(CaseOf(text));
    args.emplace_back("--json");
    cases.push_back(CaseOf(args));
  }
  cases.push_back(
      BatchCase({"batch", "--output", "csv", "--dasha", "--dasha-year", "savana", "births.jsonl"}));
  cases.push_back(
      BatchCase({"batch", "--fields", "Nakshatras,Dasha", "--dasha-depth", "1", "births.jsonl"}));
  return cases;
}

// The reading files of readings.tsv, written into folder, each opened as text and as JSON.
std::vector<GoldenCase> ReadingCases(const fs::path& folder) {
  std::vector<GoldenCase> cases;
  const std::vector<std::string> readings = Lines(kData / "readings.tsv");
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const std::vector<std::string> cells = Cells(readings[i]);
    std::string bytes;
    for (std::size_t line = 0; line < 17; ++line) bytes += ScrambleText(cells.at(line)) + "\r\n";
    const std::string name = "reading" + std::to_string(i) + ".tvl";
    std::ofstream(folder / name, std::ios::binary) << bytes;
    for (const bool json : {false, true}) {
      std::vector<std::string> args{"chart", "--open", (folder / name).string()};
      std::vector<std::string> title{"chart", "--open", name};
      if (json) {
        args.emplace_back("--json");
        title.emplace_back("--json");
      }
      cases.push_back({Joined(title), args});
    }
  }
  return cases;
}

// A run as its golden holds it: the title line, standard output as written, then what went to
// standard error and the exit status.
std::string Block(const GoldenCase& golden) {
  const testing::CliRun run = testing::RunCli(golden.args);
  return "==== tarvel-cli " + golden.title + "\n" + run.out + "---- stderr\n" + run.err +
         "---- exit " + std::to_string(run.status) + "\n";
}

std::string Command(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 65536> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    out.append(buffer.data(), n);
  pclose(pipe);
  return out;
}

std::vector<std::string> SplitBlocks(const std::string& text) {
  std::vector<std::string> blocks;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t next = text.find("\n==== tarvel-cli ", start);
    next = next == std::string::npos ? text.size() : next + 1;
    blocks.push_back(text.substr(start, next - start));
    start = next;
  }
  return blocks;
}

std::string UnifiedDiff(const std::string& expected, const std::string& actual) {
  const fs::path folder =
      fs::temp_directory_path() / ("tarvel-golden-diff-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "golden", std::ios::binary) << expected;
  std::ofstream(folder / "now", std::ios::binary) << actual;
  return Command("diff -u '" + (folder / "golden").string() + "' '" + (folder / "now").string() +
                 "'");
}

void CheckGolden(const std::string& name, const std::vector<GoldenCase>& cases) {
  const fs::path file = kGoldens / (name + ".txt.gz");
  std::vector<std::string> actual;
  for (const GoldenCase& golden : cases) actual.push_back(Block(golden));
  if (std::getenv("TARVEL_RECORD_GOLDENS") != nullptr) {
    FILE* gzip = popen(("gzip -9n > '" + file.string() + "'").c_str(), "w");
    ASSERT_NE(gzip, nullptr);
    for (const std::string& block : actual) std::fwrite(block.data(), 1, block.size(), gzip);
    ASSERT_EQ(pclose(gzip), 0);
    return;
  }
  ASSERT_TRUE(fs::exists(file)) << file << ": record it with scripts/record-goldens.sh";
  const std::vector<std::string> expected =
      SplitBlocks(Command("gzip -dc '" + file.string() + "'"));
  ASSERT_EQ(expected.size(), actual.size()) << name << ": the golden holds another set of runs";
  for (std::size_t i = 0; i < actual.size(); ++i) {
    ASSERT_TRUE(expected[i] == actual[i]) << name << ", run " << i << " differs:\n"
                                          << UnifiedDiff(expected[i], actual[i]);
  }
}

TEST(OutputRegressionTest, ChartsAsTextAndJson) {
  CheckGolden("charts", ChartCases());
}

TEST(OutputRegressionTest, ChartsInOtherSkiesVargasOffsetsAndStyles) {
  CheckGolden("variants", VariantCases());
}

TEST(OutputRegressionTest, BatchInJsonCsvAndFields) {
  CheckGolden("batch", BatchCases());
}

TEST(OutputRegressionTest, PeriodsAsTextJsonAndCsv) {
  CheckGolden("dasha", PeriodCases());
}

TEST(OutputRegressionTest, ReadingFilesOpened) {
  const fs::path folder = fs::temp_directory_path() / "tarvel-regression-readings";
  fs::create_directories(folder);
  CheckGolden("readings", ReadingCases(folder));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tarvel
