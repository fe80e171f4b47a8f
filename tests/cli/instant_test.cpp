// The universal time each chart is computed for, worked out by hand from the zone in force:
// rows in their own direction, exact offsets, local mean time and seconds, in both skies.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli_test_support.h"

namespace tarvel {
namespace {

struct InstantCase {
  const char* birth;  ///< the options, separated by '|'
  const char* universal;
  int offsetSeconds;
};

// Paris's 2°21' East is 9 minutes 24 seconds of time ahead, on its own mean time until 1891;
// Kolkata kept Madras time in 1900.
const InstantCase kCases[] = {
    {"--date|1980-02-01|--time|12:00|--zone|20|--lat|40:25N|--lon|3:42W", "1980-02-01T11:00:00Z",
     3600},
    {"--date|1941-06-15|--time|12:00|--place|London, United Kingdom", "1941-06-15T10:00:00Z", 7200},
    {"--date|1990-05-05|--time|10:00|--place|Kathmandu, Nepal", "1990-05-05T04:15:00Z", 20700},
    {"--date|1900-01-01|--time|10:00|--place|Kolkata, India", "1900-01-01T04:38:50Z", 19270},
    {"--date|1900-06-01|--time|12:00|--offset|lmt|--lat|48:51N|--lon|2:21E", "1900-06-01T11:50:36Z",
     564},
    {"--date|1890-06-01|--time|12:00|--place|Paris, France", "1890-06-01T11:50:36Z", 564},
    {"--date|2000-06-01|--time|12:00|--offset|+14:00|--lat|1:52N|--lon|157:24W",
     "2000-05-31T22:00:00Z", 50400},
    {"--date|2010-06-01|--time|12:00|--place|Caracas, Venezuela", "2010-06-01T16:30:00Z", -16200},
    {"--date|2000-07-01|--time|12:00|--place|Tehran, Iran", "2000-07-01T07:30:00Z", 16200},
    {"--date|1980-03-05|--time|14:07:30|--offset|+05:30|--lat|18:58N|--lon|72:49E",
     "1980-03-05T08:37:30Z", 19800},
    {"--date|1980-03-05|--time|14:07|--offset|-15:00|--lat|18:58N|--lon|72:49E",
     "1980-03-06T05:07:00Z", -54000},
};

std::vector<std::string> Args(const char* sky, std::string_view birth) {
  std::vector<std::string> args{"chart", "--json", "--sky", sky};
  std::istringstream in{std::string(birth)};
  for (std::string arg; std::getline(in, arg, '|');) args.push_back(arg);
  return args;
}

TEST(InstantTest, EachBirthIsComputedForItsUniversalTimeInBothSkies) {
  for (const InstantCase& c : kCases) {
    for (const char* sky : {"classic", "swiss"}) {
      // The classic sky computes from 1900 only.
      if (std::string_view(sky) == "classic" && std::string_view(c.universal) < "1900") continue;
      const testing::CliRun run = testing::RunCli(Args(sky, c.birth));
      ASSERT_EQ(run.status, 0) << c.birth << " " << sky << ": " << run.err;
      const auto instant = nlohmann::json::parse(run.out)["Instant"];
      EXPECT_EQ(instant["Universal"], c.universal) << c.birth << " " << sky;
      EXPECT_EQ(instant["OffsetSeconds"], c.offsetSeconds) << c.birth << " " << sky;
    }
  }
}

// A zone the atlas takes is named by its tz id; one typed, by its offset.
TEST(InstantTest, TheZoneIsNamedAsItWasChosen) {
  const std::pair<const char*, const char*> cases[] = {
      {"--date|1990-05-05|--time|10:00|--place|Kathmandu, Nepal", "Asia/Kathmandu"},
      {"--date|1990-05-05|--time|10:00|--place|Kathmandu, Nepal|--offset|+05:45", "UTC+05:45"},
      {"--date|1990-05-05|--time|10:00|--place|Mumbai, India", "Indian Time, IST, -5.3"},
      {"--date|1890-06-01|--time|12:00|--place|Paris, France", "Local mean time"},
  };
  for (const auto& [birth, zone] : cases) {
    const testing::CliRun run = testing::RunCli(Args("swiss", birth));
    ASSERT_EQ(run.status, 0) << birth << ": " << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["Instant"]["Zone"], zone) << birth;
  }
}

TEST(InstantTest, AnOffsetIsRefusedBeyondFifteenHoursOrBesideAZoneRow) {
  const std::string birth = "--date|1980-03-05|--time|14:07|--lat|18:58N|--lon|72:49E|--offset|";
  for (const char* offset : {"+15:01", "-15:00:01", "5:30", "+05:60", "LMT1", "+05:30|--zone|34"}) {
    EXPECT_NE(testing::RunCli(Args("classic", birth + offset)).status, 0) << offset;
  }
}

}  // namespace
}  // namespace tarvel
