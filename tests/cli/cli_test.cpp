#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "../form/example_birth.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using testing::RunCli;

const std::vector<std::string> kGreenwich2000 = {"chart", "--date", "2000-01-01", "--time",
                                                 "12:00", "--zone", "29",         "--lat",
                                                 "0:0N",  "--lon",  "0:0W"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& option,
                              const std::string& value) {
  auto at = std::find(args.begin(), args.end(), option);
  if (at == args.end()) {
    args.push_back(option);
    args.push_back(value);
  } else {
    *(at + 1) = value;
  }
  return args;
}

std::vector<std::string> Plus(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliZonesTest, ListsAllRowsWithSignedOffsets) {
  const auto run = RunCli({"zones"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 71);
  EXPECT_NE(run.out.find("0\tAlaska/Hawaii Daylight Time,AHDT,9.0\t9\t0\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n34\tIndian Time, IST, -5.3\t-5\t-30\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n70\tYukon War Time,YWT,8.0\t8\t0\n"), std::string::npos);
}

// Every refusal: exit status 2, one line on stderr, nothing on stdout.
TEST(CliChartTest, BadInputIsRefusedWithOneClearLine) {
  struct Case {
    std::vector<std::string> args;
    std::string expected;  // a part of the error line
  };
  const Case cases[] = {
      {With(kGreenwich2000, "--colour", "red"), "--colour"},
      {With(kGreenwich2000, "--date", "2000-1-01"), "malformed date"},
      {With(kGreenwich2000, "--date", "2000-13-01"), "no such month"},
      {With(kGreenwich2000, "--date", "1899-12-31"), "1900-2050"},
      {With(kGreenwich2000, "--time", "24:00"), "malformed time"},
      {With(kGreenwich2000, "--time", "12.30"), "malformed time"},
      {With(kGreenwich2000, "--zone", "71"), "zone row 71"},
      {With(kGreenwich2000, "--zone", "-1"), "zone row -1"},
      {With(kGreenwich2000, "--zone", "0x10"), "zone '0x10' is not a whole number"},
      {With(kGreenwich2000, "--zone", "99999999999"), "zone row 99999999999 is outside"},
      {With(kGreenwich2000, "--lat", "18:58X"), "malformed latitude"},
      {With(kGreenwich2000, "--lat", "18.5N"), "malformed latitude"},
      {With(kGreenwich2000, "--lon", "1000:00E"), "malformed longitude"},
      {With(kGreenwich2000, "--lat", "91:00N"), "Please Enter Correct Latitude"},
      {With(kGreenwich2000, "--lon", "180:01W"), "Please Enter Correct Longitude"},
      {With(kGreenwich2000, "--date", "1900-02-29"), "Please Enter Correct Date Or Month!"},
      {With(kGreenwich2000, "--date", "1980-04-31"), "Please Enter Correct Date Or Month !"},
      {With(kGreenwich2000, "--name", "O'Hara"), "Please enter only letters"},
      {With(kGreenwich2000, "--city", "Zürich"), "Please enter only letters"},
      {{"chart", "--date", "2000-01-01"}, "required"},
      {{}, "subcommand"},
      // The year is refused in its own words before a zone is sought for the place.
      {{"chart", "--date", "1850-03-05", "--time", "14:07", "--place", "Mumbai"},
       "year 1850 is outside 1900-2050"},
      {Plus(kGreenwich2000, {"--pdf", "a.pdf", "--png", "./a.pdf"}),
       "--pdf and --png name the same file './a.pdf'"},
      {Plus(kGreenwich2000, {"--save", "a.tvl", "--svg", "a.tvl"}), "--save and --svg name"},
      {{"places", ""}, "the name to look up is empty"},
      {{"batch", "/"}, "cannot open '/'"},
  };
  for (const Case& c : cases) {
    const auto run = RunCli(c.args);
    const std::string what = c.expected;
    EXPECT_EQ(run.status, 2) << what;
    EXPECT_TRUE(run.out.empty()) << what;
    EXPECT_NE(run.err.find(c.expected), std::string::npos) << what << ": " << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST(CliChartTest, HelpDocumentsEveryOptionWithAnExample) {
  const auto run = RunCli({"chart", "--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* option : {"--date", "--time", "--zone", "--lat", "--lon", "--dst", "--name",
                             "--city", "--state", "--country", "--json", "Example"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
}

TEST(CliChartTest, JsonHoldsEveryKeyInOrder) {
  const auto run = RunCli(Plus(kGreenwich2000, {"--json", "--name", "Asha Rao"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto chart = nlohmann::ordered_json::parse(run.out);
  std::vector<std::string> keys;
  for (const auto& item : chart.items()) keys.push_back(item.key());
  const std::vector<std::string> expected = {
      "BirthData",        "ZoneRow",       "AscendantPosition", "MoonPosition", "ChartCorrection",
      "PlanetNames",      "GrahaNames",    "PlanetSigns",       "PlanetHouses", "ArgalaList",
      "VirodhargalaList", "SignContents",  "Reading",           "Sky",          "Longitudes",
      "Instant",          "ArgalaSummary", "Retrograde",        "Nakshatras"};
  EXPECT_EQ(keys, expected);
  // Saturn moved backward from 30 August 1999 to 12 January 2000; the others forward.
  EXPECT_EQ(chart["Retrograde"], nlohmann::ordered_json::parse(R"(["Saturn"])"));
  std::vector<std::string> birthKeys;
  for (const auto& item : chart["BirthData"].items()) birthKeys.push_back(item.key());
  const std::vector<std::string> expectedBirthKeys = {
      "BirthName", "BirthMonth",  "BirthDay", "BirthYear", "BirthHour",  "BirthMinute",
      "ZoneHours", "ZoneMinutes", "LonDeg",   "LonMin",    "LatDeg",     "LatMin",
      "IsEast",    "IsSouth",     "IsDST",    "BirthCity", "BirthState", "BirthCountry"};
  EXPECT_EQ(birthKeys, expectedBirthKeys);
  EXPECT_EQ(chart["BirthData"]["BirthName"], "Asha Rao");
  EXPECT_EQ(chart["BirthData"]["BirthYear"], 2000);
  EXPECT_EQ(chart["BirthData"]["BirthHour"], 12);
  EXPECT_EQ(chart["BirthData"]["IsEast"], 0);
  EXPECT_EQ(chart["BirthData"]["BirthCity"], "");
  EXPECT_EQ(chart["ZoneRow"], 29);
  EXPECT_EQ(chart["PlanetNames"].size(), 9u);
  EXPECT_EQ(chart["SignContents"].size(), 12u);
}

// 1 January 2000, 12:00 at Greenwich: the reference chart of the ephemeris and the pipeline.
TEST(CliChartTest, JsonCarriesTheReferenceChart) {
  const auto run = RunCli(Plus(kGreenwich2000, {"--json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto chart = nlohmann::json::parse(run.out);
  EXPECT_EQ(chart["MoonPosition"], "19\u00b0 27' 44\" Lib");
  EXPECT_EQ(chart["AscendantPosition"], "17\u00b0 31' 26\" Pis");
  EXPECT_NEAR(chart["ChartCorrection"].get<double>(), -23.8539909, 1e-7);
  const std::vector<std::string> signs = {"16 Sag 31", "19 Lib 27", "08 Sag 03",
                                          "07 Sco 43", "04 Aqu 07", "01 Ari 30",
                                          "16 Ari 21", "10 Can 16", "10 Cap 16"};
  EXPECT_EQ(chart["PlanetSigns"].get<std::vector<std::string>>(), signs);
  const std::vector<std::string> grahas = {"Surya", "Chandra", "Budha", "Shukra", "Mangala",
                                           "Guru",  "Shani",   "Rahu",  "Ketu"};
  EXPECT_EQ(chart["GrahaNames"].get<std::vector<std::string>>(), grahas);
}

// A leading zero does not make the row an octal number: "034" is Indian time, not row 28.
// The reference chart's Sun (Sagittarius): the S Node in its 2nd, Venus in its 12th.
TEST(CliChartTest, SummaryFollowsTheUsualText) {
  const auto plain = RunCli(kGreenwich2000);
  const auto run = RunCli(Plus(kGreenwich2000, {"--summary"}));
  ASSERT_TRUE(run.out.starts_with(plain.out)) << run.err;
  EXPECT_TRUE(run.out.substr(plain.out.size())
                  .starts_with("\nArgala Summary\n\nSun (house 10)\nS Node from the 2nd: Primary "
                               "Argala — Balanced (Venus from the 12th)\n"));
  EXPECT_NE(RunCli(Plus(kGreenwich2000, {"--summary", "--json"})).status, 0);
}

TEST(CliChartTest, ZoneRowIsDecimal) {
  const auto run = RunCli(Plus(With(kGreenwich2000, "--zone", "034"), {"--json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto chart = nlohmann::json::parse(run.out);
  EXPECT_EQ(chart["ZoneRow"], 34);
  EXPECT_EQ(chart["BirthData"]["ZoneMinutes"], 30);
}

TEST(CliChartTest, ChartCorrectionIsWrittenWithSeventeenSignificantDigits) {
  const auto run = RunCli(Plus(kGreenwich2000, {"--json"}));
  ASSERT_EQ(run.status, 0);
  const auto at = run.out.find("\"ChartCorrection\":");
  ASSERT_NE(at, std::string::npos);
  const std::string number = run.out.substr(at + 18, run.out.find(',', at) - at - 18);
  const auto digits = std::count_if(number.begin(), number.end(), ::isdigit);
  EXPECT_EQ(digits, 17) << number;
}

}  // namespace
}  // namespace tarvel

namespace tarvel {
namespace {

using testing::RunCli;

class CliReadingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("tarvel-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

const std::vector<std::string> kMumbai = {
    "chart",  "--date",  "1980-03-05",  "--time",    "14:07",  "--zone",   "34",
    "--lat",  "18:58N",  "--lon",       "72:49E",    "--name", "Asha Rao", "--city",
    "Mumbai", "--state", "Maharashtra", "--country", "India",  "--json"};

TEST_F(CliReadingFileTest, SavedReadingOpensToTheSameChart) {
  const std::string path = PathOf("asha.tvl");
  auto args = kMumbai;
  args.insert(args.end(), {"--save", path});
  const auto saved = RunCli(args);
  ASSERT_EQ(saved.status, 0) << saved.err;
  const auto opened = RunCli({"chart", "--open", path, "--json"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  EXPECT_EQ(opened.out, saved.out);
}

TEST_F(CliReadingFileTest, FailedSaveSaysWhyAndExitsWithFailure) {
  const std::string path = PathOf("missing-folder/asha.tvl");
  auto args = kMumbai;
  args.insert(args.end(), {"--save", path});
  const auto run = RunCli(args);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

TEST_F(CliReadingFileTest, DamagedOrMisnamedFilesAreRefusedSayingWhy) {
  const std::string damaged = PathOf("short.tvl");
  std::ofstream(damaged) << "\xB6\xB7\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {damaged, "Its content is not a reading, or it is damaged."},
      {PathOf("asha.TVL"), "Its name does not end in \"tvl\"."},
      {PathOf("absent.tvl"), "The file is missing or may not be read."}};
  for (const auto& [path, reason] : cases) {
    const auto run = RunCli({"chart", "--open", path});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_TRUE(run.out.empty()) << path;
    EXPECT_EQ(run.err, "tarvel-cli: Please Check The File. (" + path + ") " + reason + "\n");
  }
}

// What --save writes, --open opens: a name without an ending gets ".tvl", another is refused.
TEST_F(CliReadingFileTest, SaveAddsTheEndingOrRefusesAnother) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain.tvl"}, {"a.b.tvl", "a.b.tvl"}, {"x.txt", ""}, {"ASHA.TVL", ""}};
  for (const auto& [name, written] : cases) {
    auto args = kMumbai;
    args.insert(args.end(), {"--save", PathOf(name)});
    EXPECT_EQ(RunCli(args).status, written.empty() ? 2 : 0) << name;
    const auto opened = RunCli({"chart", "--open", PathOf(written.empty() ? name : written)});
    EXPECT_EQ(opened.status, written.empty() ? 2 : 0) << name << opened.err;
  }
}

// A file may hold any digits; coordinates no place has are refused as the options would be.
TEST_F(CliReadingFileTest, CoordinatesOffTheGlobeAreRefused) {
  const std::pair<int, std::string> cases[] = {{9, "91"}, {10, "60"}, {7, "181"}, {8, "60"}};
  for (const auto& [line, text] : cases) {
    testing::LineTexts lines = testing::AshaLines();
    lines[static_cast<std::size_t>(line)] = text;
    const std::string path = PathOf("far.tvl");
    std::ofstream(path, std::ios::binary) << testing::FileOf(lines);
    const auto run = RunCli({"chart", "--open", path});
    const std::string message =
        line >= 9 ? "Please Enter Correct Latitude" : "Please Enter Correct Longitude";
    EXPECT_EQ(run.status, 2) << text;
    EXPECT_TRUE(run.out.empty()) << text;
    EXPECT_EQ(run.err, "tarvel-cli: " + message + " (" + path + ")\n");
  }
}

// A reading opens in the sky it was saved in; each sky option given wins for its own part.
TEST_F(CliReadingFileTest, AReadingKeepsItsSkyUnlessAnOptionNamesAnother) {
  std::vector<std::string> args(kMumbai.begin(), kMumbai.end() - 1);
  args.insert(args.end(), {"--sky", "swiss", "--ayanamsa", "raman", "--save", PathOf("s.tvl")});
  ASSERT_EQ(RunCli(args).status, 0);
  for (const auto& [option, value, sky] : std::vector<std::array<std::string, 3>>{
           {"--varga", "9", "Swiss Ephemeris, Raman ayanamsa, mean node"},
           {"--node", "true", "Swiss Ephemeris, Raman ayanamsa, true node"},
           {"--sky", "classic", "Classic formulas"}}) {
    const auto run = RunCli({"chart", "--open", PathOf("s.tvl"), option, value});
    EXPECT_NE(run.out.find("\nSky: " + sky + "\n"), std::string::npos) << run.err;
  }
}

TEST_F(CliReadingFileTest, OpenedReadingStandsAloneWithoutBirthOptions) {
  const auto run = RunCli({"chart", "--open", PathOf("asha.tvl"), "--date", "1980-03-05"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--open excludes --date"), std::string::npos) << run.err;
  const auto missing = RunCli({"chart", "--time", "10:00"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("--date is required"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace tarvel
