// The universal time each chart is computed for, worked out by hand from the zone in force:
// rows in their own direction, exact offsets, local mean time and seconds, in both skies.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_test_support.h"

namespace tarvel {
namespace {

struct InstantCase {
  const char* name;
  std::vector<std::string> birth;
  const char* universal;
  int offsetSeconds;
};

const InstantCase kCases[] = {
    {"MadridCentralEuropeanTime",
     {"--date", "1980-02-01", "--time", "12:00", "--zone", "20", "--lat", "40:25N", "--lon",
      "3:42W"},
     "1980-02-01T11:00:00Z",
     3600},
    {"LondonDoubleSummerTime",
     {"--date", "1941-06-15", "--time", "12:00", "--place", "London, United Kingdom"},
     "1941-06-15T10:00:00Z",
     7200},
    {"Kathmandu",
     {"--date", "1990-05-05", "--time", "10:00", "--place", "Kathmandu, Nepal"},
     "1990-05-05T04:15:00Z",
     20700},
    {"KolkataOnMadrasTime",
     {"--date", "1900-01-01", "--time", "10:00", "--place", "Kolkata, India"},
     "1900-01-01T04:38:50Z",
     19270},
    // 2°21' East: 9 minutes 24 seconds of time ahead.
    {"LocalMeanTimeOfParis",
     {"--date", "1900-06-01", "--time", "12:00", "--offset", "lmt", "--lat", "48:51N", "--lon",
      "2:21E"},
     "1900-06-01T11:50:36Z",
     564},
    {"KiritimatiAcrossTheDateLine",
     {"--date", "2000-06-01", "--time", "12:00", "--offset", "+14:00", "--lat", "1:52N", "--lon",
      "157:24W"},
     "2000-05-31T22:00:00Z",
     50400},
    {"Caracas",
     {"--date", "2010-06-01", "--time", "12:00", "--place", "Caracas, Venezuela"},
     "2010-06-01T16:30:00Z",
     -16200},
    {"TehranInSummer",
     {"--date", "2000-07-01", "--time", "12:00", "--place", "Tehran, Iran"},
     "2000-07-01T07:30:00Z",
     16200},
    {"SecondsAndAnOffset",
     {"--date", "1980-03-05", "--time", "14:07:30", "--offset", "+05:30", "--lat", "18:58N",
      "--lon", "72:49E"},
     "1980-03-05T08:37:30Z",
     19800},
};

TEST(InstantTest, EachBirthIsComputedForItsUniversalTimeInBothSkies) {
  for (const InstantCase& c : kCases) {
    for (const char* sky : {"classic", "swiss"}) {
      std::vector<std::string> args{"chart", "--json", "--sky", sky};
      args.insert(args.end(), c.birth.begin(), c.birth.end());
      const testing::CliRun run = testing::RunCli(args);
      ASSERT_EQ(run.status, 0) << c.name << " " << sky << ": " << run.err;
      const auto instant = nlohmann::json::parse(run.out)["Instant"];
      EXPECT_EQ(instant["Universal"], c.universal) << c.name << " " << sky;
      EXPECT_EQ(instant["OffsetSeconds"], c.offsetSeconds) << c.name << " " << sky;
    }
  }
}

TEST(InstantTest, AnOffsetIsRefusedBeyondFifteenHoursOrBesideAZoneRow) {
  const std::vector<std::string> birth{"chart", "--date", "1980-03-05", "--time", "14:07",
                                       "--lat", "18:58N", "--lon",      "72:49E", "--offset"};
  for (const char* offset : {"+15:01", "-15:00:01", "5:30", "+05:60", "LMT1"}) {
    std::vector<std::string> args = birth;
    args.push_back(offset);
    EXPECT_NE(testing::RunCli(args).status, 0) << offset;
  }
  std::vector<std::string> withZone = birth;
  withZone.insert(withZone.end(), {"+05:30", "--zone", "34"});
  EXPECT_NE(testing::RunCli(withZone).status, 0);
  std::vector<std::string> fifteen = birth;
  fifteen.push_back("-15:00");
  EXPECT_EQ(testing::RunCli(fifteen).status, 0);
}

}  // namespace
}  // namespace tarvel
