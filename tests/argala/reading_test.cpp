#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "argala/evaluate_argala.h"
#include "argala/reading.h"
#include "argala_test_support.h"

namespace tarvel {
namespace {

using testing::kPlanetNames;
using testing::MakeChart;
using testing::RecordingResultView;

constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kYellow{255, 255, 0};

ReadingRun Heading(const std::string& name) {
  return {.text = name, .colour = kCyan, .heading = true, .line = false};
}
ReadingRun Line(const std::string& text) {
  return {.text = "\r\n" + text, .colour = kYellow, .heading = false, .line = true};
}
ReadingRun BlockEnd() {
  return {.text = "\r\n\r\n", .colour = kYellow, .heading = false, .line = false};
}

Reading EmptyListsReading() {
  Reading expected;
  for (int p = 0; p < kPlanetCount; ++p) {
    expected.push_back(Heading(kPlanetNames[p]));
    expected.push_back(Line("No Argala Associated with this Planet"));
    expected.push_back(BlockEnd());
  }
  return expected;
}

TEST(ReadingTest, EmptyListsGiveNineHeadingsWithTheNoArgalaLine) {
  EXPECT_EQ(BuildReading({}, {}, kPlanetNames), EmptyListsReading());
}

TEST(ReadingTest, EmptyListsAsPlainText) {
  std::string expected;
  for (const char* name :
       {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "N Node", "S Node"}) {
    expected += std::string(name) + "\r\nNo Argala Associated with this Planet\r\n\r\n";
  }
  EXPECT_EQ(ReadingPlainText(BuildReading({}, {}, kPlanetNames)), expected);
}

TEST(ReadingTest, ArgalaLinesComeBeforeVirodhargalaLines) {
  const std::vector<std::string> argala = {
      "Sun/Primary Argala (Paap Argala) on Moon (House 4)",
      "Moon/Primary Argala (Shubha Argala) on Mercury (House 2)",
      "Sun/Secondary Argala (Paap Argala) on Venus (House 7)",
  };
  const std::vector<std::string> virodhargala = {
      "Sun/Virodhargala (Benefic) on Mars (House 1)",
  };
  const Reading reading = BuildReading(argala, virodhargala, kPlanetNames);
  const Reading sunBlock = {
      Heading("Sun"),
      Line("Primary Argala (Paap Argala) on Moon (House 4)"),
      Line("Secondary Argala (Paap Argala) on Venus (House 7)"),
      Line("Virodhargala (Benefic) on Mars (House 1)"),
      BlockEnd(),
  };
  ASSERT_GE(reading.size(), sunBlock.size());
  EXPECT_EQ(Reading(reading.begin(), reading.begin() + 5), sunBlock);
  EXPECT_EQ(reading[5], Heading("Moon"));
  EXPECT_EQ(reading[6], Line("Primary Argala (Shubha Argala) on Mercury (House 2)"));
  EXPECT_EQ(reading[7], BlockEnd());
  EXPECT_EQ(reading[8], Heading("Mercury"));
}

TEST(ReadingTest, HeadingMatchesTheCasterExactly) {
  const std::vector<std::string> argala = {
      "S Node/Primary Argala (Paap Argala) on Moon (House 4)",
  };
  const std::string text = ReadingPlainText(BuildReading(argala, {}, kPlanetNames));
  EXPECT_NE(text.find("N Node\r\nNo Argala Associated with this Planet\r\n\r\n"
                      "S Node\r\nPrimary Argala (Paap Argala) on Moon (House 4)\r\n\r\n"),
            std::string::npos)
      << text;
}

TEST(ReadingTest, EmptyEntriesAreSkipped) {
  const std::vector<std::string> argala = {"",
                                           "Venus/Primary Argala (Shubha Argala) on Sun (House 1)"};
  const Reading reading = BuildReading(argala, {""}, kPlanetNames);
  EXPECT_EQ(reading[0], Heading("Sun"));
  EXPECT_EQ(reading[1], Line("No Argala Associated with this Planet"));
  EXPECT_EQ(reading[9], Heading("Venus"));
  EXPECT_EQ(reading[10], Line("Primary Argala (Shubha Argala) on Sun (House 1)"));
  EXPECT_EQ(reading[11], BlockEnd());
}

TEST(ReadingTest, LineEndsAtTheSecondSlash) {
  const Reading reading = BuildReading({"Sun/one/two"}, {}, kPlanetNames);
  EXPECT_EQ(reading[1], Line("one"));
}

TEST(ReadingTest, PlainTextJoinsTheRuns) {
  const Reading reading = {Heading("Mars"), Line("x"), BlockEnd()};
  EXPECT_EQ(ReadingPlainText(reading), "Mars\r\nx\r\n\r\n");
  EXPECT_EQ(ReadingPlainText({}), "");
}

TEST(ReadingTest, ChartWithoutArgalaReadsNoArgalaForEveryPlanet) {
  ChartState state =
      MakeChart("Can", {"Can", "Can", "Can", "Can", "Can", "Can", "Can", "Can", "Can"});
  RecordingResultView view;
  EvaluateArgala(state, view);
  ASSERT_EQ(view.readings.size(), 1u);
  EXPECT_EQ(view.readings[0], EmptyListsReading());
}

}  // namespace
}  // namespace tarvel
