// Every output, byte for byte, for 400 generated births and 40 reading files, against hashes
// of the outputs recorded before the chart model became typed. A birth's JSON may have gained
// keys at its end since; everything before them must be unchanged. The sky and the longitudes,
// added later, are recorded on their own, so that every digit of every formula stays put. The
// recording took a zone row in the longitude's direction; a row now applies in its own, so the
// births and readings whose row points the other way have their outputs recorded again in
// mended.tsv.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "app/calculation_driver.h"
#include "app/reading_file_writer.h"
#include "app/scramble.h"
#include "base/time_zones.h"
#include "cli/chart/birth_options.h"
#include "cli_test_support.h"
#include "document/chart_captions.h"
#include "document/reading_lines.h"
#include "positions/classic/classic_sky.h"

namespace tarvel {
namespace {

const std::filesystem::path kData = TARVEL_REGRESSION_DATA;

std::string Fnv1a(std::string_view bytes) {
  std::uint64_t hash = 1469598103934665603ull;
  for (const unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
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

// The keys a chart's JSON gained after the recording stand at its end.
std::string WithoutAddedKeys(const std::string& json) {
  const std::size_t added = json.find(",\"Sky\":");
  if (added == std::string::npos) return json;
  return json.substr(0, added) + "}\n";
}

// The sky and the longitudes of a chart's JSON; empty where the JSON has none.
std::string SkyAndLongitudes(const std::string& json) {
  const std::size_t sky = json.find(",\"Sky\":");
  const std::size_t longitudes = json.find("\"Longitudes\":{", sky);
  if (sky == std::string::npos || longitudes == std::string::npos) return "";
  return json.substr(sky, json.find('}', longitudes) + 1 - sky);
}

// The line naming the sky was added after the recording, at the end of the chart's text.
std::string WithoutAddedLines(const std::string& text) {
  const std::size_t added = text.rfind("Sky: ");
  if (added == std::string::npos || text.find('\n', added) != text.size() - 1) return text;
  return text.substr(0, added);
}

// The outputs recorded again since the zone's direction was mended, by birth and by reading.
struct Mended {
  std::map<std::size_t, std::vector<std::string>> births;
  std::map<std::size_t, std::vector<std::string>> readings;
};

Mended LoadMended() {
  Mended mended;
  for (const std::string& line : Lines(kData / "mended.tsv")) {
    std::vector<std::string> cells = Cells(line);
    const std::size_t index = std::stoul(cells.at(1));
    if (cells[0] == "reading") mended.readings[index].assign(cells.begin() + 2, cells.end());
    if (cells[0] == "birth") mended.births[index].assign(cells.begin() + 2, cells.end());
  }
  return mended;
}

// A row with an offset that points the other way from the longitude: ahead of universal time
// West of Greenwich (0°00′ counts as West) or behind it East.
bool RowDisagrees(int row, bool east, int lonDeg, int lonMin) {
  if (row < 0 || row >= kTimeZoneRows) return false;
  const int minutesAhead = MinutesAheadOfUniversalTime(kTimeZones[row]);
  const bool eastOfGreenwich = east && (lonDeg > 0 || lonMin > 0);
  return minutesAhead != 0 && (minutesAhead > 0) != eastOfGreenwich;
}

bool BirthEastOfGreenwich(const nlohmann::json& birth) {
  const std::string longitude = birth["lon"];
  const std::size_t colon = longitude.find(':');
  return longitude.back() == 'E' &&
         (std::stoi(longitude.substr(0, colon)) > 0 || std::stoi(longitude.substr(colon + 1)) > 0);
}

bool BirthRowDisagrees(const nlohmann::json& birth) {
  const bool east = BirthEastOfGreenwich(birth);
  return RowDisagrees(birth["zone"].get<int>(), east, east ? 1 : 0, 0);
}

// The offset the recording took: the row's magnitude in the longitude's direction, daylight
// saving one hour further ahead.
int FormerOffsetSeconds(const nlohmann::json& birth) {
  const int magnitude = std::abs(MinutesAheadOfUniversalTime(kTimeZones[birth["zone"]])) * 60;
  return (BirthEastOfGreenwich(birth) ? magnitude : -magnitude) + (birth["dst"] ? 3600 : 0);
}

bool ReadingRowDisagrees(const std::vector<std::string>& cells) {
  const std::string& east = cells[11];
  const bool isEast = east != "0" && east != "False" && east != "false";
  return RowDisagrees(std::stoi(cells[6]), isEast, std::stoi(cells[7]), std::stoi(cells[8]));
}

std::vector<std::string> ChartArgs(const nlohmann::json& birth) {
  std::vector<std::string> args{"chart",
                                "--date",
                                birth["date"],
                                "--time",
                                birth["time"],
                                "--zone",
                                std::to_string(birth["zone"].get<int>()),
                                "--lat",
                                birth["lat"],
                                "--lon",
                                birth["lon"]};
  if (birth["dst"].get<bool>()) args.emplace_back("--dst");
  for (const char* key : {"name", "city", "state", "country"}) {
    if (birth.contains(key)) {
      args.push_back(std::string("--") + key);
      args.push_back(birth[key]);
    }
  }
  return args;
}

cli::BirthOptions OptionsOf(const nlohmann::json& birth) {
  cli::BirthOptions options;
  options.date = birth["date"];
  options.time = birth["time"];
  options.zone = birth["zone"];
  options.latitude = birth["lat"];
  options.longitude = birth["lon"];
  options.dst = birth["dst"];
  if (birth.contains("name")) options.name = birth["name"];
  if (birth.contains("city")) options.city = birth["city"];
  if (birth.contains("state")) options.state = birth["state"];
  if (birth.contains("country")) options.country = birth["country"];
  return options;
}

// What the window shows of a chart: the captions, then each reading line with its colour and
// emphases, written with the line breaks the window's text had around it when these outputs
// were recorded (before an entry, two after a block).
std::string ViewDump(const ChartResult& chart) {
  const ChartCaptions captions = BuildChartCaptions(chart.signs, chart.positions.grahaDeg);
  std::string dump;
  for (const std::string& caption : captions.lblSign) dump += caption + "\n";
  for (const auto* captionArray :
       {&captions.lblPlanet, &captions.lblPlanets_Name, &captions.lblPlanets_Position}) {
    for (const std::string& caption : *captionArray) dump += caption + "\n";
  }
  for (const ReadingRun& run : chart.reading) {
    const DocumentLineKind kind = LineKindOf(run.kind);
    const TextStyle style = LineStyle(kind);
    dump += std::to_string(style.colour.red) + " " + std::to_string(style.colour.green) + " " +
            std::to_string(style.colour.blue) + " " + (style.heading ? "H" : "-") +
            (style.line ? "L" : "-") + "|";
    if (kind != DocumentLineKind::Heading) dump += "\r\n";
    dump.append(LineOfRun(run, chart.argala));
    if (kind == DocumentLineKind::Blank) dump += "\r\n";
    dump += "\n";
  }
  return dump;
}

struct CoreOutputs {
  std::string readingFile;
  std::string view;
};

// The window's view of the birth computed at an exact offset instead of its row.
std::string ViewAtOffset(const cli::BirthOptions& options, int offsetSeconds) {
  BirthForm form = std::get<BirthForm>(cli::BuildBirthForm(options));
  form.zoneKind = ZoneKind::Offset;
  form.zoneOffsetSeconds = offsetSeconds;
  ChartState state;
  ReadBirthData(form, state);
  RunCalculationChain(state, ClassicSky());
  return ViewDump(state.Chart);
}

CoreOutputs CoreOutputsOf(const cli::BirthOptions& options) {
  const BirthForm form = std::get<BirthForm>(cli::BuildBirthForm(options));
  ChartState state;
  ReadBirthData(form, state);
  RunCalculationChain(state, ClassicSky());
  return {ReadingFileBytes(state.BirthData, state.Zone), ViewDump(state.Chart)};
}

TEST(OutputRegressionTest, ExactlyTheRowsAgainstTheirLongitudeWereRecordedAgain) {
  const Mended mended = LoadMended();
  std::set<std::size_t> births;
  const std::vector<std::string> birthLines = Lines(kData / "births.jsonl");
  const std::vector<std::string> recorded = Lines(kData / "outputs.tsv");
  for (std::size_t i = 0; i < birthLines.size(); ++i) {
    // A refused birth is refused before any instant, so its message stays.
    const bool computed = Cells(recorded[i])[0] == "0";
    if (computed && BirthRowDisagrees(nlohmann::json::parse(birthLines[i]))) births.insert(i);
  }
  std::set<std::size_t> readings;
  const std::vector<std::string> readingLines = Lines(kData / "readings.tsv");
  for (std::size_t i = 0; i < readingLines.size(); ++i) {
    if (ReadingRowDisagrees(Cells(readingLines[i]))) readings.insert(i);
  }
  std::set<std::size_t> mendedBirths, mendedReadings;
  for (const auto& [index, cells] : mended.births) mendedBirths.insert(index);
  for (const auto& [index, hash] : mended.readings) mendedReadings.insert(index);
  EXPECT_EQ(births, mendedBirths);
  EXPECT_EQ(readings, mendedReadings);
  EXPECT_FALSE(births.empty());
}

TEST(OutputRegressionTest, EveryBirthGivesTheRecordedTextJsonFileAndView) {
  const std::vector<std::string> births = Lines(kData / "births.jsonl");
  const std::vector<std::string> recorded = Lines(kData / "outputs.tsv");
  const Mended mended = LoadMended();
  ASSERT_EQ(births.size(), 400u);
  ASSERT_EQ(recorded.size(), births.size());
  for (std::size_t i = 0; i < births.size(); ++i) {
    SCOPED_TRACE("birth " + std::to_string(i) + ": " + births[i]);
    const nlohmann::json birth = nlohmann::json::parse(births[i]);
    const auto again = mended.births.find(i);
    const std::vector<std::string> expected =
        again == mended.births.end() ? Cells(recorded[i]) : again->second;
    if (again != mended.births.end()) {
      // The birth as entered is the same, so its reading file is too; its chart moved.
      EXPECT_EQ(expected[4], Cells(recorded[i])[4]);
      EXPECT_NE(expected[1], Cells(recorded[i])[1]);
    }
    std::vector<std::string> args = ChartArgs(birth);
    const testing::CliRun text = testing::RunCli(args);
    args.emplace_back("--json");
    const testing::CliRun json = testing::RunCli(args);
    EXPECT_EQ(std::to_string(text.status), expected[0]);
    EXPECT_EQ(Fnv1a(WithoutAddedLines(text.out) + "\x1f" + text.err), expected[1])
        << text.out << text.err;
    EXPECT_EQ(std::to_string(json.status), expected[2]);
    EXPECT_EQ(Fnv1a(WithoutAddedKeys(json.out) + "\x1f" + json.err), expected[3]) << json.out;
    EXPECT_EQ(Fnv1a(SkyAndLongitudes(json.out)), expected[6]) << json.out;
    if (text.status != 0) continue;
    const CoreOutputs core = CoreOutputsOf(OptionsOf(birth));
    if (again != mended.births.end()) {
      // Only the instant moved: at the offset the recording took, the chart is as recorded.
      EXPECT_EQ(Fnv1a(ViewAtOffset(OptionsOf(birth), FormerOffsetSeconds(birth))),
                Cells(recorded[i])[5]);
    }
    EXPECT_EQ(Fnv1a(core.readingFile), expected[4]);
    EXPECT_EQ(Fnv1a(core.view), expected[5]) << core.view;
  }
}

TEST(OutputRegressionTest, EveryReadingFileOpensToTheRecordedChart) {
  const auto folder = std::filesystem::temp_directory_path() / "tarvel-regression-readings";
  std::filesystem::create_directories(folder);
  const std::vector<std::string> readings = Lines(kData / "readings.tsv");
  const Mended mended = LoadMended();
  ASSERT_EQ(readings.size(), 40u);
  for (std::size_t i = 0; i < readings.size(); ++i) {
    const std::vector<std::string> cells = Cells(readings[i]);
    ASSERT_EQ(cells.size(), 19u);
    std::string bytes;
    for (std::size_t line = 0; line < 17; ++line) bytes += ScrambleText(cells[line]) + "\r\n";
    const auto file = folder / ("reading" + std::to_string(i) + ".tvl");
    std::ofstream(file, std::ios::binary) << bytes;
    const testing::CliRun run = testing::RunCli({"chart", "--open", file.string(), "--json"});
    const auto again = mended.readings.find(i);
    const std::vector<std::string> expected = again == mended.readings.end()
                                                  ? std::vector<std::string>{cells[17], cells[18]}
                                                  : again->second;
    EXPECT_EQ(Fnv1a(WithoutAddedKeys(run.out)), expected[0]) << readings[i] << "\n" << run.out;
    EXPECT_EQ(Fnv1a(SkyAndLongitudes(run.out)), expected[1]) << readings[i] << "\n" << run.out;
  }
  std::filesystem::remove_all(folder);
}

// Recorded again when the zone's direction was mended: the births' lines of mended.tsv changed.
TEST(OutputRegressionTest, BatchGivesTheRecordedLinesForJsonAndCsvOnOneAndTwoJobs) {
  const std::vector<std::string> recorded = Lines(kData / "batch.tsv");
  ASSERT_EQ(recorded.size(), 2u);
  for (const std::string_view jobs : {"1", "2"}) {
    for (const std::string& line : recorded) {
      const std::vector<std::string> cells = Cells(line);
      const std::string input =
          (kData / ("births." + std::string(cells[0] == "json" ? "jsonl" : "csv"))).string();
      const testing::CliRun run = testing::RunCli({"batch", "--jobs", std::string(jobs), input});
      std::string stripped;
      std::string skies;
      std::istringstream out(run.out);
      for (std::string json; std::getline(out, json);) {
        stripped += WithoutAddedKeys(json + "\n");
        skies += SkyAndLongitudes(json) + "\n";
      }
      EXPECT_EQ(Fnv1a(stripped), cells[1]) << cells[0] << " on " << jobs << " jobs";
      EXPECT_EQ(Fnv1a(skies), cells[2]) << cells[0] << " on " << jobs << " jobs";
    }
  }
}

}  // namespace
}  // namespace tarvel
