// The precise sky and the atlas as the command line offers them.
#include <gtest/gtest.h>

#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli_test_support.h"
#include "tests/positions/swiss/reference_charts.h"

namespace tarvel {
namespace {

using testing::RunCli;
using Json = nlohmann::ordered_json;

using swiss_test::kArcSecondDeg;
using swiss_test::ReferenceChart;

// The reference birth as a user types it on the command line.
std::vector<std::string> BirthArgs(const ReferenceChart& chart) {
  const BirthData& b = chart.birth;
  char date[32], time[16], lat[24], lon[24];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", b.BirthYear, b.BirthMonth, b.BirthDay);
  std::snprintf(time, sizeof time, "%02d:%02d", b.BirthHour, b.BirthMinute);
  std::snprintf(lat, sizeof lat, "%02d:%02d%c", b.LatDeg, b.LatMin, b.IsSouth ? 'S' : 'N');
  std::snprintf(lon, sizeof lon, "%02d:%02d%c", b.LonDeg, b.LonMin, b.IsEast ? 'E' : 'W');
  std::vector<std::string> args = {
      "--date", date, "--time", time, "--zone", std::to_string(chart.zoneRow),
      "--lat",  lat,  "--lon",  lon};
  if (b.IsDST) args.push_back("--dst");
  return args;
}

Json ChartJson(std::vector<std::string> args) {
  args.insert(args.begin(), "chart");
  args.push_back("--json");
  const auto run = RunCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.status == 0 ? Json::parse(run.out) : Json();
}

std::vector<std::string> Plus(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(SkyCliTest, PreciseSkyGivesTheReferencePlacesInTheJson) {
  const char* const planets[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  for (const ReferenceChart& chart : swiss_test::ReferenceCharts()) {
    SCOPED_TRACE(chart.name);
    const std::vector<std::string> birth = BirthArgs(chart);
    const Json mean = ChartJson(Plus(birth, {"--sky", "swiss"}));
    const Json& longitudes = mean["Longitudes"];
    for (int p = 0; p < 7; ++p) {
      EXPECT_NEAR(longitudes[planets[p]].get<double>(), chart.planetDeg[p], kArcSecondDeg);
    }
    EXPECT_NEAR(longitudes["N Node"].get<double>(), chart.meanRahuDeg, kArcSecondDeg);
    EXPECT_NEAR(longitudes["Ascendant"].get<double>(), chart.ascendantDeg, kArcSecondDeg);
    EXPECT_EQ(mean["Sky"], (Json{{"Name", "swiss"},
                                 {"Ephemeris", "Swiss Ephemeris files"},
                                 {"Ayanamsa", "Lahiri"},
                                 {"AyanamsaDegrees", mean["Sky"]["AyanamsaDegrees"]},
                                 {"Node", "mean"}}));
    const Json trueNode = ChartJson(Plus(birth, {"--sky", "swiss", "--node", "true"}));
    EXPECT_NEAR(trueNode["Longitudes"]["N Node"].get<double>(), chart.trueRahuDeg, kArcSecondDeg);
    EXPECT_EQ(trueNode["Sky"]["Node"], "true");
  }
  EXPECT_NEAR(ChartJson(Plus(BirthArgs(swiss_test::ReferenceCharts()[0]),
                             {"--sky", "swiss"}))["Sky"]["AyanamsaDegrees"]
                  .get<double>(),
              23.5801691, kArcSecondDeg);
}

TEST(SkyCliTest, TheTextSaysWhichSkyComputedTheChart) {
  const std::vector<std::string> birth =
      Plus({"chart"}, BirthArgs(swiss_test::ReferenceCharts()[0]));
  EXPECT_TRUE(RunCli(birth).out.ends_with("\nSky: Classic formulas\n"));
  EXPECT_TRUE(RunCli(Plus(birth, {"--sky", "SWISS", "--ayanamsa", "Fagan-Bradley"}))
                  .out.ends_with("\nSky: Swiss Ephemeris, Fagan/Bradley ayanamsa, mean node\n"));
}

TEST(SkyCliTest, UnknownNamesAndAnAyanamsaForTheClassicSkyAreRefused) {
  const std::vector<std::string> birth =
      Plus({"chart"}, BirthArgs(swiss_test::ReferenceCharts()[0]));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--sky", "precise"}, "sky 'precise' is not classic or swiss"},
      {{"--sky", "swiss", "--ayanamsa", "lahiry"}, "ayanamsa 'lahiry' is not lahiri"},
      {{"--sky", "swiss", "--node", "osculating"}, "node 'osculating' is not mean or true"},
      {{"--ayanamsa", "raman"}, "the classic sky has its own"},
  };
  for (const auto& [more, message] : cases) {
    const auto run = RunCli(Plus(birth, more));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(PlaceCliTest, APlaceGivesTheChartOfItsCoordinatesAndZoneTypedByHand) {
  const Json byPlace = ChartJson(
      {"--date", "1980-07-01", "--time", "12:00", "--place", "new york, usa", "--sky", "swiss"});
  EXPECT_EQ(byPlace["Place"]["Name"], "New York, New York, United States of America");
  EXPECT_EQ(byPlace["Place"]["ZoneId"], "America/New_York");
  // Eastern Standard Time with daylight saving: the row of EST and the box.
  EXPECT_EQ(byPlace["ZoneRow"], 27);
  EXPECT_EQ(byPlace["BirthData"]["IsDST"], -1);
  const Json& birth = byPlace["BirthData"];
  const auto coordinate = [](const Json& degrees, const Json& minutes, const char* direction) {
    return std::to_string(degrees.get<int>()) + ":" + std::to_string(minutes.get<int>()) +
           direction;
  };
  Json byHand = ChartJson(
      {"--date", "1980-07-01", "--time", "12:00", "--zone", "27", "--dst", "--lat",
       coordinate(birth["LatDeg"], birth["LatMin"], birth["IsSouth"] == 0 ? "N" : "S"), "--lon",
       coordinate(birth["LonDeg"], birth["LonMin"], birth["IsEast"] == 0 ? "W" : "E"), "--city",
       birth["BirthCity"], "--state", birth["BirthState"], "--country", birth["BirthCountry"],
       "--sky", "swiss"});
  Json withoutPlace = byPlace;
  withoutPlace.erase("Place");
  EXPECT_EQ(withoutPlace, byHand);
}

TEST(PlaceCliTest, GivenOptionsWinOverThePlaceAndAnUnknownPlaceNamesCandidates) {
  const Json chart = ChartJson({"--date", "1980-03-05", "--time", "14:07", "--place",
                                "Mumbai, India", "--lat", "10:00S", "--city", "Bombay"});
  EXPECT_EQ(chart["BirthData"]["LatDeg"], 10);
  EXPECT_EQ(chart["BirthData"]["IsSouth"], -1);
  EXPECT_EQ(chart["BirthData"]["BirthCity"], "Bombay");
  EXPECT_EQ(chart["BirthData"]["BirthState"], "Maharashtra");
  EXPECT_EQ(chart["ZoneRow"], 34);
  const Json bombay = ChartJson({"--date", "1980-03-05", "--time", "14:07", "--place", "Bombay"});
  EXPECT_EQ(bombay["BirthData"]["BirthCity"], "Mumbai");
  EXPECT_EQ(bombay["ZoneRow"], 34);
  const auto unknown =
      RunCli({"chart", "--date", "1980-03-05", "--time", "14:07", "--place", "Mumbaii"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("Mumbai, Maharashtra, India"), std::string::npos) << unknown.err;
}

TEST(PlaceCliTest, AZoneNoRowHasIsTakenAsItsExactOffset) {
  const Json run =
      ChartJson({"--date", "1900-01-01", "--time", "10:00", "--place", "Kolkata, India"});
  EXPECT_EQ(run["ZoneRow"], nullptr);
  EXPECT_EQ(run["Instant"]["OffsetSeconds"], 19270);  // Madras time, 5:21:10 ahead
  EXPECT_NE(run["Place"]["ZoneNote"].get<std::string>().find("UTC+05:21:10: taken as it is"),
            std::string::npos);
  EXPECT_EQ(RunCli({"chart", "--date", "1900-01-01", "--time", "10:00", "--place", "Kolkata, India",
                    "--zone", "34"})
                .status,
            0);
}

// With a place as without one, an impossible date gets the form's own refusal.
TEST(PlaceCliTest, AnImpossibleDateIsRefusedAsTheFormDoesAndAGivenZoneGetsNoNoteOfAnotherRow) {
  const auto impossible =
      RunCli({"chart", "--date", "1980-04-31", "--time", "12:00", "--place", "Mumbai, India"});
  const auto typed = RunCli({"chart", "--date", "1980-04-31", "--time", "12:00", "--zone", "34",
                             "--lat", "19:04N", "--lon", "72:53E"});
  EXPECT_EQ(impossible.status, 2);
  EXPECT_EQ(impossible.err, typed.err);
  EXPECT_NE(impossible.err.find("Date"), std::string::npos) << impossible.err;
  const Json given = ChartJson(
      {"--date", "1980-03-05", "--time", "14:07", "--place", "Mumbai, India", "--zone", "3"});
  EXPECT_EQ(given["ZoneRow"], 3);
  EXPECT_EQ(given["Place"]["ZoneNote"], "");
}

// New York keeps summer time on 1 July 2021 (UTC-04:00); a zone row the user gives takes
// daylight saving only from the user: row 34 is Indian time, +05:30, an hour more with --dst.
TEST(PlaceCliTest, AGivenZoneRowTakesDaylightSavingOnlyFromTheUser) {
  const std::vector<std::string> birth = {"--date",  "2021-07-01", "--time", "12:00",
                                          "--place", "New York",   "--zone", "34"};
  EXPECT_EQ(ChartJson(birth)["Instant"]["OffsetSeconds"], 19800);
  EXPECT_EQ(ChartJson(Plus(birth, {"--dst"}))["Instant"]["OffsetSeconds"], 23400);
}

TEST(PlacesCliTest, ListsCitiesMostPopulousFirst) {
  const auto run = RunCli({"places", "Mumb"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("Mumbai, Maharashtra, India\t19:04N\t72:53E\tAsia/Kolkata\t"))
      << run.out;
  const auto calcutta = RunCli({"places", "Calcutta"}).out;
  EXPECT_TRUE(calcutta.starts_with("Kolkata (Calcutta), State of West Bengal, India\t"))
      << calcutta;
  const Json list = Json::parse(RunCli({"places", "Springfield", "--json", "--limit", "3"}).out);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_GE(list[0]["Population"].get<int>(), list[1]["Population"].get<int>());
  EXPECT_EQ(list[0]["City"], "Springfield");
  const auto none = RunCli({"places", "Xqzzv"});
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(none.err.empty());
}

}  // namespace
}  // namespace tarvel
