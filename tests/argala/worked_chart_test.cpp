#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "argala/reading.h"
#include "argala_test_support.h"
#include "document/reading_lines.h"

namespace tarvel {
namespace {

using testing::EvaluatedChart;
using testing::WorkedChart;

// Derived by hand: recipients in planet order, positions 2nd, 4th, 11th, 5th, 8th (the S Node
// counting backward), casters in planet order.
const std::vector<std::string> kWorkedArgalaList = {
    "Moon/Primary Argala (Shubha Argala) on Sun (House 1)",
    "Mars/Primary Argala (Paap Argala) on Sun (House 1)",
    "Venus/Primary Argala (Shubha Argala) on Moon (House 2)",
    "S Node/Primary Argala (Paap Argala) on Moon (House 2)",
    "N Node/Secondary Argala (Paap Argala) on Moon (House 2)",
    "Jupiter/Secondary Argala (Shubha Argala) on Moon (House 2)",
    "Moon/Primary Argala (Shubha Argala) on Mercury (House 1)",
    "Mars/Primary Argala (Paap Argala) on Mercury (House 1)",
    "Sun/Primary Argala (Paap Argala) on Venus (House 12)",
    "Mercury/Primary Argala (Shubha Argala) on Venus (House 12)",
    "Saturn/Primary Argala (Paap Argala) on Venus (House 12)",
    "Mars/Secondary Argala (Paap Argala) on Venus (House 12)",
    "Moon/Primary Argala (Shubha Argala) on Mars (House 4)",
    "Saturn/Primary Argala (Paap Argala) on Jupiter (House 9)",
    "Venus/Primary Argala (Shubha Argala) on Jupiter (House 9)",
    "S Node/Primary Argala (Paap Argala) on Jupiter (House 9)",
    "Sun/Secondary Argala (Paap Argala) on Jupiter (House 9)",
    "Mercury/Secondary Argala (Shubha Argala) on Jupiter (House 9)",
    "Mars/Secondary Argala (Paap Argala) on Jupiter (House 9)",
    "Sun/Primary Argala (Paap Argala) on Saturn (House 10)",
    "Mercury/Primary Argala (Shubha Argala) on Saturn (House 10)",
    "Moon/Secondary Argala (Shubha Argala) on Saturn (House 10)",
    "Jupiter/Primary Argala (Shubha Argala) on N Node (House 6)",
    "Mars/Primary Argala (Paap Argala) on N Node (House 6)",
    "Saturn/Secondary Argala (Paap Argala) on N Node (House 6)",
    "Sun/Secondary Argala (Paap Argala) on N Node (House 6)",
    "Mercury/Secondary Argala (Shubha Argala) on N Node (House 6)",
    "Jupiter/Primary Argala (Shubha Argala) on S Node (House 12)",
    "Moon/Primary Argala (Shubha Argala) on S Node (House 12)",
};

// Positions 3rd, 10th, 12th, 9th; every planet casts some Argala in this chart.
const std::vector<std::string> kWorkedVirodhargalaList = {
    "Saturn/Virodhargala (Benefic) on Sun (House 1)",
    "Venus/Virodhargala (Malefic) on Sun (House 1)",
    "S Node/Virodhargala (Benefic) on Sun (House 1)",
    "Jupiter/Virodhargala (Malefic) on Sun (House 1)",
    "Mars/Virodhargala (Benefic) on Moon (House 2)",
    "Sun/Virodhargala (Benefic) on Moon (House 2)",
    "Mercury/Virodhargala (Malefic) on Moon (House 2)",
    "Saturn/Virodhargala (Benefic) on Moon (House 2)",
    "Saturn/Virodhargala (Benefic) on Mercury (House 1)",
    "Venus/Virodhargala (Malefic) on Mercury (House 1)",
    "S Node/Virodhargala (Benefic) on Mercury (House 1)",
    "Jupiter/Virodhargala (Malefic) on Mercury (House 1)",
    "Moon/Primary Virodhargala (Benefic) on Venus (House 12)",
    "Jupiter/Primary Virodhargala (Benefic) on Venus (House 12)",
    "N Node/Virodhargala (Benefic) on Mars (House 4)",
    "Sun/Virodhargala (Benefic) on Mars (House 4)",
    "Mercury/Virodhargala (Malefic) on Mars (House 4)",
    "Venus/Virodhargala (Malefic) on Mars (House 4)",
    "S Node/Virodhargala (Benefic) on Mars (House 4)",
    "N Node/Secondary Virodhargala (Benefic) on Jupiter (House 9)",
    "Venus/Primary Virodhargala (Benefic) on Saturn (House 10)",
    "S Node/Primary Virodhargala (Benefic) on Saturn (House 10)",
    "Jupiter/Primary Virodhargala (Benefic) on Saturn (House 10)",
    "N Node/Primary Virodhargala (Benefic) on Saturn (House 10)",
    "Moon/Virodhargala (Malefic) on N Node (House 6)",
    "Saturn/Primary Virodhargala (Benefic) on S Node (House 12)",
    "Sun/Primary Virodhargala (Benefic) on S Node (House 12)",
    "Mercury/Primary Virodhargala (Benefic) on S Node (House 12)",
    "Mars/Primary Virodhargala (Benefic) on S Node (House 12)",
};

class WorkedChartTest : public ::testing::Test {
 protected:
  // The entries of a list whose recipient part ends the entry with " on <name> (House ...".
  static std::vector<std::string> ForRecipient(const std::vector<std::string>& list,
                                               const std::string& recipientAndHouse) {
    std::vector<std::string> found;
    for (const std::string& entry : list) {
      if (entry.ends_with(" on " + recipientAndHouse)) found.push_back(entry);
    }
    return found;
  }

  const EvaluatedChart chart_ = testing::Evaluated(WorkedChart());
};

TEST_F(WorkedChartTest, HousesCountFromTheAscendantsSign) {
  const std::array<std::string, kPlanetCount> expected = {"1", "2",  "1", "12", "4",
                                                          "9", "10", "6", "12"};
  EXPECT_EQ(chart_.houses, expected);
}

TEST_F(WorkedChartTest, ArgalaListHasAllTwentyNineEntriesInOrder) {
  EXPECT_EQ(chart_.argala, kWorkedArgalaList);
}

TEST_F(WorkedChartTest, VirodhargalaListHasAllTwentyNineEntriesInOrder) {
  EXPECT_EQ(chart_.virodhargala, kWorkedVirodhargalaList);
}

TEST_F(WorkedChartTest, ArgalaOnMoonAndBackwardCountedSNode) {
  EXPECT_EQ(ForRecipient(chart_.argala, "Moon (House 2)"),
            (std::vector<std::string>{
                "Venus/Primary Argala (Shubha Argala) on Moon (House 2)",
                "S Node/Primary Argala (Paap Argala) on Moon (House 2)",
                "N Node/Secondary Argala (Paap Argala) on Moon (House 2)",
                "Jupiter/Secondary Argala (Shubha Argala) on Moon (House 2)",
            }));
  EXPECT_EQ(ForRecipient(chart_.argala, "S Node (House 12)"),
            (std::vector<std::string>{
                "Jupiter/Primary Argala (Shubha Argala) on S Node (House 12)",
                "Moon/Primary Argala (Shubha Argala) on S Node (House 12)",
            }));
}

TEST_F(WorkedChartTest, ObstructionLabelsFollowTheRecipientsHouse) {
  EXPECT_EQ(ForRecipient(chart_.virodhargala, "S Node (House 12)"),
            (std::vector<std::string>{
                "Saturn/Primary Virodhargala (Benefic) on S Node (House 12)",
                "Sun/Primary Virodhargala (Benefic) on S Node (House 12)",
                "Mercury/Primary Virodhargala (Benefic) on S Node (House 12)",
                "Mars/Primary Virodhargala (Benefic) on S Node (House 12)",
            }));
  EXPECT_EQ(ForRecipient(chart_.virodhargala, "Sun (House 1)"),
            (std::vector<std::string>{
                "Saturn/Virodhargala (Benefic) on Sun (House 1)",
                "Venus/Virodhargala (Malefic) on Sun (House 1)",
                "S Node/Virodhargala (Benefic) on Sun (House 1)",
                "Jupiter/Virodhargala (Malefic) on Sun (House 1)",
            }));
}

TEST_F(WorkedChartTest, NNodeReadingBlock) {
  const std::string text = ReadingText(BuildReading(chart_.result), chart_.result, "\r\n");
  const std::string nNodeBlock =
      "N Node"
      "\r\nSecondary Argala (Paap Argala) on Moon (House 2)"
      "\r\nVirodhargala (Benefic) on Mars (House 4)"
      "\r\nSecondary Virodhargala (Benefic) on Jupiter (House 9)"
      "\r\nPrimary Virodhargala (Benefic) on Saturn (House 10)"
      "\r\n\r\n";
  // The S Node's block follows right after the N Node's.
  EXPECT_NE(text.find(nNodeBlock + "S Node\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("No Argala Associated with this Planet"), std::string::npos);
  EXPECT_TRUE(text.starts_with("Sun\r\nPrimary Argala (Paap Argala) on Venus (House 12)\r\n"));
  EXPECT_TRUE(text.ends_with("Primary Virodhargala (Benefic) on Saturn (House 10)\r\n\r\n"));
}

TEST_F(WorkedChartTest, SecondRunGivesTheSameResult) {
  EXPECT_EQ(EvaluateArgala(WorkedChart()), chart_.result);
}

}  // namespace
}  // namespace tarvel
