// Divisional charts as the command line and the batch offer them.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/batch/batch_command.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using Json = nlohmann::ordered_json;

const std::vector<std::string> kAshaNavamsa = {"chart",  "--date",  "1980-03-05", "--time", "14:07",
                                               "--zone", "34",      "--lat",      "18:58N", "--lon",
                                               "72:49E", "--varga", "9",          "--json"};

// The Rasi longitudes (Asc 18°58' Gem, Sun 21°38' Aqu, Moon 29°05' Vir, Mercury 23°23' Aqu,
// Venus 5°05' Ari, Mars 8°56' Leo, Jupiter 10°43' Leo, Saturn 1°03' Vir, nodes 3°59' Leo and
// Aqu) fall in Navamsa parts 6, 7, 9, 8, 2, 3, 4, 1, 2, 2; counted from Libra for air signs,
// Aries for fire, Capricorn for earth.
TEST(VargaCliTest, NavamsaChartHasTheSignsHousesAndArgalaOfItsNavamsas) {
  const auto run = testing::RunCli(kAshaNavamsa);
  ASSERT_EQ(run.status, 0) << run.err;
  const Json chart = Json::parse(run.out);
  EXPECT_EQ(chart.back().dump(),
            R"({"Factor":9,"Name":"Navamsa","Signs":{"Ascendant":11,"Sun":0,"Moon":5,"Mercury":1,)"
            R"("Venus":1,"Mars":2,"Jupiter":3,"Saturn":9,"N Node":1,"S Node":7}})");
  EXPECT_EQ(chart["PlanetHouses"], Json::parse(R"(["2","7","3","3","4","5","11","3","9"])"));
  EXPECT_EQ(chart["SignContents"][1], "Me / V / NN");
  EXPECT_EQ(chart["SignContents"][11], "Asc");
  EXPECT_EQ(chart["PlanetSigns"][0], "21 Aqu 38");
  // On the Sun in Aries, house 2: from Taurus (2nd), Cancer (4th) and Scorpio (8th).
  const Json onSun(chart["ArgalaList"].begin(), chart["ArgalaList"].begin() + 5);
  EXPECT_EQ(onSun, Json::parse(R"j([
      "Mercury/Primary Argala (Shubha Argala) on Sun (House 2)",
      "Venus/Primary Argala (Shubha Argala) on Sun (House 2)",
      "N Node/Primary Argala (Paap Argala) on Sun (House 2)",
      "Jupiter/Primary Argala (Shubha Argala) on Sun (House 2)",
      "S Node/Secondary Argala (Paap Argala) on Sun (House 2)"])j"));
}

TEST(VargaCliTest, AVargaOfNoSuchFactorIsRefused) {
  const auto run = testing::RunCli({"chart", "--open", "a.tvl", "--varga", "5"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("varga '5' is not one of 1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, "
                         "40, 45, 60"),
            std::string::npos);
}

TEST(VargaCliTest, ABatchLinesVargaOverridesTheBatchs) {
  std::istringstream in(R"({"date":"1980-03-05","time":"14:07","zone":34,"lat":"18:58N",)"
                        R"("lon":"72:49E","varga":9})"
                        "\n"
                        R"({"date":"1980-03-05","time":"14:07","zone":34,"lat":"18:58N",)"
                        R"("lon":"72:49E"})"
                        "\n");
  std::ostringstream out, err;
  cli::BatchRequest request;
  request.varga = Varga::D1;
  ASSERT_EQ(cli::RunBatch(in, request, out, err), 0) << err.str();
  std::istringstream lines(out.str());
  std::string navamsa, rasi;
  std::getline(lines, navamsa);
  std::getline(lines, rasi);
  EXPECT_EQ(Json::parse(navamsa)["Varga"]["Signs"]["Ascendant"], 11);
  EXPECT_EQ(Json::parse(rasi)["Varga"]["Signs"]["Ascendant"], 2);
}

}  // namespace
}  // namespace tarvel
