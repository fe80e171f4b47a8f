#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/batch/batch_command.h"
#include "cli_test_support.h"

namespace tarvel {
namespace {

using Json = nlohmann::ordered_json;

// The Rasi longitudes (Asc 18°58' Gem, Sun 21°38' Aqu, Moon 29°05' Vir, Mercury 23°23' Aqu,
// Venus 5°05' Ari, Mars 8°56' Leo, Jupiter 10°43' Leo, Saturn 1°03' Vir, nodes 3°59' Leo and
// Aqu) fall in the Navamsa's 6th, 7th, 9th, 8th, 2nd, 3rd, 4th, 1st, 2nd and 2nd parts,
// counted from Libra for air signs, Aries for fire, Capricorn for earth. The Sun in Aries
// (house 2) has Argala from Taurus (2nd), Cancer (4th) and Scorpio (8th).
TEST(VargaCliTest, NavamsaChartHasTheSignsHousesAndArgalaOfItsNavamsas) {
  const auto run =
      testing::RunCli({"chart", "--date", "1980-03-05", "--time", "14:07", "--zone", "34", "--lat",
                       "18:58N", "--lon", "72:49E", "--varga", "9", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Json chart = Json::parse(run.out);
  // The newest keys come last: the varga, the planets moving backward, the nakshatras.
  EXPECT_EQ(std::prev(chart.end()).key(), "Nakshatras");
  EXPECT_EQ(std::prev(chart.end(), 2).key(), "Retrograde");
  EXPECT_EQ(std::prev(chart.end(), 3).key(), "Varga");
  // The nakshatras stay the Rasi longitudes': the ascendant at 78°58' is in Ardra's 4th pada
  // (from 76°40'), whatever its Navamsa sign.
  EXPECT_EQ(chart["Nakshatras"][0].dump(),
            R"({"Body":"Ascendant","Nakshatra":"Ardra","Number":6,"Pada":4,"Lord":"N Node"})");
  EXPECT_EQ(chart["Varga"].dump(),
            R"({"Factor":9,"Name":"Navamsa","Signs":{"Ascendant":11,"Sun":0,"Moon":5,"Mercury":1,)"
            R"("Venus":1,"Mars":2,"Jupiter":3,"Saturn":9,"N Node":1,"S Node":7}})");
  EXPECT_EQ(chart["PlanetHouses"], Json::parse(R"(["2","7","3","3","4","5","11","3","9"])"));
  EXPECT_EQ(chart["SignContents"][1], "Me / V / NN");
  EXPECT_EQ(chart["PlanetSigns"][0], "21 Aqu 38");
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
  EXPECT_EQ(run.err, "tarvel-cli: varga '5' is not one of " + VargaFactorsText() + "\n");
  EXPECT_EQ(VargaFactorsText(), "1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60");
}

TEST(VargaCliTest, ABatchLinesVargaOverridesTheBatchs) {
  const std::string birth =
      R"({"date":"1980-03-05","time":"14:07","zone":34,"lat":"18:58N","lon":"72:49E")";
  std::istringstream in(birth + R"(,"varga":9})" + "\n" + birth + "}\n");
  std::ostringstream out, err;
  cli::BatchRequest request;
  request.varga = Varga::D1;
  ASSERT_EQ(cli::RunBatch(in, request, out, err), 0) << err.str();
  EXPECT_NE(out.str().find(R"("Varga":{"Factor":9,)"), std::string::npos);
  EXPECT_NE(out.str().find(R"("Varga":{"Factor":1,)"), std::string::npos);
}

}  // namespace
}  // namespace tarvel
