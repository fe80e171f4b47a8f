#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/chart/chart_json.h"
#include "cli/chart/json_text.h"
#include "document/argala_text.h"
#include "document/chart_captions.h"

namespace tarvel {
namespace {

// nlohmann's own text for a string: the reference the chart's JSON must match byte for byte.
std::string LibraryText(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string EveryAsciiByte() {
  std::string text;
  for (int c = 1; c < 0x80; ++c) text += static_cast<char>(c);
  return text;
}

const std::vector<std::string> kAwkwardTexts = {
    "",
    "plain",
    EveryAsciiByte(),
    std::string("nul\0inside", 10),
    "quote \" backslash \\ slash /",
    "CR LF\r\n tab\t",
    "19\u00b0 27' 44\" Lib",
    "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80",
    // Texts of 16 bytes and more, with and without a special byte near the end.
    "0123456789abcdefghij",
    "\"0123456789abcdefghij",
    "x\"0123456789abcdefg",
    "0123456789a\"bcdefgh",
    "0123456789abcdefghi\n",
    "0123456789abcdefghi\xC3\xBC",
    // Specials at block edges, in a later block, and a sequence across two blocks.
    "0123456789abcde\"",
    "\\123456789abcdef",
    "0123456789abcdef0123\t56789abcdef0123",
    "0123456789abcde\xC3\xBC"
    "123456789abcdef\r\n",
    "\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"",
    "Z\xFCrich",              // Latin-1: replaced
    "cut \xE2\x82",           // a sequence cut off: replaced
    "\xED\xA0\x80 \xC0\x80",  // a surrogate and an overlong form: replaced
    // Longer than the writer's buffer, once plain and once escaped to six times its length.
    std::string(5000, 'a'),
    std::string(1000, '\x01'),
};

TEST(ChartJsonTextTest, EscapesEveryTextAsTheJsonLibraryDoes) {
  for (const std::string& text : kAwkwardTexts) {
    ChartState state;
    state.BirthData.BirthName = text;
    state.BirthData.BirthCountry = text;
    const std::string json = cli::ChartJson(state);
    const std::string name = "{\"BirthData\":{\"BirthName\":" + LibraryText(text) + ",";
    EXPECT_EQ(json.rfind(name, 0), 0u) << json;
    EXPECT_NE(json.find("\"BirthCountry\":" + LibraryText(text) + "},"), std::string::npos) << json;
    EXPECT_TRUE(nlohmann::json::accept(json)) << json;
  }
}

TEST(ChartJsonTextTest, WritesNumbersAndTheCorrectionWithSeventeenDigits) {
  ChartState state;
  state.BirthData.BirthYear = 1980;
  state.BirthData.IsEast = kTrue;
  state.Zone = RowZone(70);
  state.Chart.positions.chartCorrection = -23.853990911111111;
  const std::string json = cli::ChartJson(state);
  EXPECT_NE(json.find("\"BirthYear\":1980,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"IsEast\":-1,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"ZoneRow\":70,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"ChartCorrection\":-23.853990911111111,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"ArgalaList\":[],\"VirodhargalaList\":[],"), std::string::npos) << json;
  EXPECT_NE(json.find(",\"Reading\":\"\",\"Sky\":{\"Name\":\"classic\""), std::string::npos)
      << json;
  EXPECT_NE(json.find("\"AyanamsaDegrees\":23.853990911111111,"), std::string::npos) << json;
}

// The sign boxes and the houses are copied from texts made once: every ascendant and planet
// set a box can hold, and every house, must read as the chart's own texts.
TEST(ChartJsonTextTest, WritesEverySignBoxAndHouseAsTheChartShowsThem) {
  constexpr unsigned kAscendantBit = 1u << kPlanetCount;
  for (unsigned key = 0; key < 2 * kAscendantBit; ++key) {
    ChartState state;
    ChartResult& chart = state.Chart;
    chart.signs.ascendant = key & kAscendantBit ? 0 : 1;
    for (int p = 0; p < kPlanetCount; ++p) {
      chart.signs.grahas[p] = (key >> p) & 1 ? 0 : 5;
      const int house = static_cast<int>(key + static_cast<unsigned>(p)) % 13;
      chart.argala.houses[p] = house == 0 ? std::nullopt : std::optional<int>(house);
    }
    const nlohmann::json json = nlohmann::json::parse(cli::ChartJson(state));
    ASSERT_EQ(json["SignContents"][0], SignBoxText(chart.signs, 0)) << key;
    for (int p = 0; p < kPlanetCount; ++p)
      ASSERT_EQ(json["PlanetHouses"][p], HouseText(chart.argala.houses[p])) << key << " " << p;
  }
}

TEST(ChartJsonTextTest, AppendsAfterWhatTheOutputHolds) {
  std::string out = "earlier line\n";
  cli::AppendChartJson(ChartState{}, out);
  EXPECT_EQ(out.rfind("earlier line\n{\"BirthData\":{\"BirthName\":\"\",\"BirthMonth\":0,", 0), 0u)
      << out;
  EXPECT_EQ(out.substr(13), cli::ChartJson(ChartState{}));
}

// A stretch written again must come out whole wherever the writer handed its buffer on: before
// the stretch, inside it, or not at all.
TEST(ChartJsonTextTest, RepeatsAStretchWhereverItWasHandedOn) {
  for (const std::size_t before : {0u, 100u, 2030u, 4000u}) {
    for (const std::size_t stretch : {10u, 2040u, 5000u}) {
      const std::string filler(before, 'f');
      const std::string element(stretch, 'e');
      std::string out;
      {
        cli::JsonText json(out);
        json.RawOpen("[");
        json.RawValue("\"", filler, "\"");
        json.RawOpen("[");
        const std::size_t begin = json.Mark();
        json.RawValue("\"", element, "\"");
        json.CloseWith("]");
        const std::size_t end = json.Mark();
        json.RawOpen("[");
        json.RepeatClosed(begin, end);
        json.CloseWith("]");
      }
      const std::string inner = "[\"" + element + "\"]";
      EXPECT_EQ(out, "[\"" + filler + "\"," + inner + "," + inner + "]")
          << before << " " << stretch;
    }
  }
}

}  // namespace
}  // namespace tarvel
