// The worked birth of 1 June 1972, 04:16 at +05:30, 16°15′N 81°12′E in the swiss sky (Lahiri,
// mean node): the Moon at 269.458° stands in Uttara Ashadha's 1st pada (from 266°40′), ruled
// by the Sun, 20.9% crossed; the Sun's six years began on 1971-02-28 at 03:29:01 UT and the
// Moon's ten begin 1,732.7 days after the birth, on 1977-02-27 at 16:24:00 UT.
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "cli_test_support.h"

namespace tarvel {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> WorkedBirth(std::vector<std::string> more) {
  std::vector<std::string> args{"chart",    "--date", "1972-06-01", "--time",     "04:16",
                                "--offset", "+05:30", "--lat",      "16:15N",     "--lon",
                                "81:12E",   "--sky",  "swiss",      "--ayanamsa", "lahiri",
                                "--node",   "mean"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Each level ends where the next period starts, and the first sub-period starts with its
// parent; the innermost level has no "Periods".
void ExpectTiled(const Json& periods, int levelsBelow) {
  ASSERT_EQ(periods.size(), 9u);
  for (std::size_t i = 0; i + 1 < periods.size(); ++i) {
    EXPECT_EQ(periods[i]["End"], periods[i + 1]["Start"]);
  }
  for (const Json& period : periods) {
    EXPECT_EQ(period.contains("Periods"), levelsBelow > 0);
    if (levelsBelow == 0) continue;
    EXPECT_EQ(period["Periods"][0]["Start"], period["Start"]);
    EXPECT_EQ(period["Periods"][8]["End"], period["End"]);
    EXPECT_EQ(period["Periods"][0]["Lord"], period["Lord"]);
    ExpectTiled(period["Periods"], levelsBelow - 1);
  }
}

TEST(DashaCliTest, WorkedBirthAtEachDepth) {
  for (const char* depth : {"1", "2", "3"}) {
    const auto run = testing::RunCli(WorkedBirth({"--json", "--dasha", "--dasha-depth", depth}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json chart = Json::parse(run.out);
    EXPECT_EQ(chart["Nakshatras"][2].dump(),
              R"({"Body":"Moon","Nakshatra":"Uttara Ashadha","Number":21,"Pada":1,"Lord":"Sun"})");
    const Json& dasha = chart["Dasha"];
    EXPECT_EQ(dasha["System"], "Vimshottari");
    // The year's length as it is given, not as 17 digits (365.25636400000002).
    EXPECT_NE(run.out.find(R"("YearDays":365.256364,)"), std::string::npos);
    EXPECT_NEAR(dasha["BalanceDays"].get<double>(), 1732.7, 0.05);
    const Json& periods = dasha["Periods"];
    EXPECT_EQ(periods[0]["Lord"], "Sun");
    EXPECT_EQ(periods[0]["Start"], "1971-02-28T03:29:01Z");
    EXPECT_EQ(periods[1]["Lord"], "Moon");
    EXPECT_EQ(periods[1]["Start"], "1977-02-27T16:24:00Z");
    EXPECT_EQ(periods[8]["Lord"], "Venus");
    ExpectTiled(periods, depth[0] - '1');
  }
}

// Jupiter's sixteen years begin 41 sidereal years after the Sun's, late on 28 Feb 2012 in
// India; its Moon antardasha 11 1/3 years later, on 30 Jun 2023, for 1 1/3 years. The Sun's
// own antardasha adds no lord, so the Moon's follows it at once, with the Moon's Argala.
TEST(DashaCliTest, TextMarksThePeriodsRunningOnTheDay) {
  const auto run = testing::RunCli(WorkedBirth({"--dasha", "--on", "2024-05-01"}));
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* line : {"\nBalance of the Sun's period at birth: 4 years 8 months 28 days\n",
                           "\n▶ Jupiter, 28 Feb 2012 – 28 Feb 2028\n",
                           "\n▶   Jupiter–Moon, 30 Jun 2023 – 29 Oct 2024\n",
                           "\n    Jupiter–Mars, 29 Oct 2024 – 5 Oct 2025\n",
                           "\n    Sun–Sun, 28 Feb 1971 – 17 Jun 1971\n"
                           "    Sun–Moon, 17 Jun 1971 – 17 Dec 1971\n      Moon: ",
                           "  Moon    29 Sag 27  Uttara Ashadha, pada 1, lord Sun\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  }
}

TEST(DashaCliTest, RefusesWhatItCannotUse) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"--dasha", "--dasha-depth", "4"}, "dasha depth '4' is not 1, 2 or 3"},
      {{"--dasha-depth", "2"}, "--dasha-depth is for --dasha"},
      {{"--dasha", "--dasha-year", "lunar"},
       "dasha year 'lunar' is not sidereal, julian, tropical or savana"},
      {{"--on", "2024-05-01"}, "--on is for --dasha"},
      {{"--dasha", "--on", "2023-02-29"}, "--on '2023-02-29' is not a day of the calendar"},
  };
  for (const auto& [args, message] : cases) {
    const auto run = testing::RunCli(WorkedBirth(args));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

// Naming the periods' fields is asking for them; the year still has to be one of four.
TEST(DashaCliTest, BatchFieldsImplyThePeriods) {
  const std::string line =
      R"({"date":"1972-06-01","time":"04:16","offset":"+05:30","lat":"16:15N","lon":"81:12E",)"
      R"("sky":"swiss"})";
  const std::string path = ::testing::TempDir() + "dasha_batch.jsonl";
  std::ofstream(path) << line << '\n';
  const auto json = testing::RunCli({"batch", "--fields", "Dasha", "--dasha-depth", "1", path});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(Json::parse(json.out)["Dasha"]["Periods"][1]["Start"], "1977-02-27T16:24:00Z");
  const auto csv = testing::RunCli({"batch", "--output", "csv", "--fields",
                                    "moon_nakshatra,moon_pada,dasha_lord_at_birth", path});
  EXPECT_EQ(csv.out, "line,moon_nakshatra,moon_pada,dasha_lord_at_birth\n1,Uttara Ashadha,1,Sun\n");
  EXPECT_EQ(testing::RunCli({"batch", "--dasha-year", "julian", path}).status, 2);
}

}  // namespace
}  // namespace tarvel
