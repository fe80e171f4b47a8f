#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/chart/chart_json.h"
#include "cli/chart/json_writer.h"

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

// What C's printf("%.17g") writes for each, worked from the doubles' exact binary values.
TEST(ChartJsonTextTest, WritesNumbersAsPrintfDoesWithSeventeenDigits) {
  const std::pair<double, std::string_view> cases[] = {{0.1, "0.10000000000000001"},
                                                       {0.3, "0.29999999999999999"},
                                                       {2.0 / 3.0, "0.66666666666666663"},
                                                       {1.0000000000000002, "1.0000000000000002"},
                                                       {360, "360"},
                                                       {-23.5, "-23.5"},
                                                       {0.001, "0.001"},
                                                       {99.999999999999986, "99.999999999999986"},
                                                       {1e-5, "1.0000000000000001e-05"},
                                                       {0, "0"}};
  for (const auto& [value, text] : cases) {
    std::string out;
    cli::JsonWriter json(out);
    json.BeginArray();
    json.Number(value);
    json.Number(value);
    json.EndArray();
    EXPECT_EQ(out, "[" + std::string(text) + "," + std::string(text) + "]");
  }
}

TEST(ChartJsonTextTest, AppendsAfterWhatTheOutputHolds) {
  std::string out = "earlier line\n";
  cli::AppendChartJson(ChartState{}, out);
  EXPECT_EQ(out.rfind("earlier line\n{\"BirthData\":{\"BirthName\":\"\",\"BirthMonth\":0,", 0), 0u)
      << out;
  EXPECT_EQ(out.substr(13), cli::ChartJson(ChartState{}));
}

}  // namespace
}  // namespace tarvel
