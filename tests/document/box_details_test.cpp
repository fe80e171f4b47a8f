#include "document/box_details.h"
#include "document/box_notes.h"

#include <gtest/gtest.h>

#include "tests/argala/argala_test_support.h"

namespace tarvel {
namespace {

using testing::WorkedChart;

// The worked chart's points, each 10 + p degrees and 7.5 minutes into its sign; the ascendant
// at 3°30' of Aries; Mercury and Saturn moving backward.
SkyPositions WorkedPositions() {
  const ChartSigns signs = WorkedChart();
  SkyPositions positions;
  positions.ascendantDeg = 3.5;
  for (int p = 0; p < kPlanetCount; ++p) {
    positions.grahaDeg[p] = 30 * signs.grahas[p].value_or(0) + 10 + p + 7.5 / 60;
  }
  positions.retrograde[Mercury] = true;
  positions.retrograde[Saturn] = true;
  return positions;
}

TEST(BoxDetailsTest, BoxesSayWhatIsAsked) {
  struct Case {
    BoxDetails details;
    std::string aries;      // ascendant, Sun and Mercury
    std::string capricorn;  // Saturn
  };
  const Case cases[] = {
      {{}, "Asc / S / Me", "Sa"},
      {{true, false}, "Asc 03°30' / S 10°07' / Me 12°07'", "Sa 16°07'"},
      {{false, true}, "Asc / S / Me (R)", "Sa (R)"},
      {{true, true}, "Asc 03°30' / S 10°07' / Me 12°07' (R)", "Sa 16°07' (R)"},
  };
  for (const Case& c : cases) {
    const ChartCaptions captions = DetailedCaptions(WorkedChart(), WorkedPositions(), c.details);
    EXPECT_EQ(captions.lblSign[0], c.aries);
    EXPECT_EQ(captions.lblSign[9], c.capricorn);
    // The position list keeps its planets' lines; the ascendant's comes only with degrees.
    EXPECT_EQ(captions.lblPlanets_Position[Mercury], "12 Ari 07");
    EXPECT_EQ(captions.ascendantName, c.details.degrees ? "Ascendant" : "");
    EXPECT_EQ(captions.ascendantPosition, c.details.degrees ? "03 Ari 30" : "");
  }
}

TEST(BoxDetailsTest, NothingAskedGivesThePlainCaptions) {
  const SkyPositions positions = WorkedPositions();
  EXPECT_EQ(DetailedCaptions(WorkedChart(), positions, {}),
            BuildChartCaptions(WorkedChart(), positions.grahaDeg));
}

// The notes of the worked chart's boxes, their Argala taken from its hand-derived list.
TEST(BoxNotesTest, SignLordDegreesAndArgalaOfEachPlanet) {
  ChartResult chart;
  chart.signs = WorkedChart();
  chart.positions = WorkedPositions();
  chart.argala = EvaluateArgala(chart.signs);
  const std::vector<std::string> cancer = {
      "Cancer, ruled by Moon", "Mars 14°07'",
      "Casts: Mars/Primary Argala (Paap Argala) on Sun (House 1); Mars/Primary Argala (Paap "
      "Argala) on Mercury (House 1); Mars/Secondary Argala (Paap Argala) on Venus (House 12); "
      "Mars/Secondary Argala (Paap Argala) on Jupiter (House 9); Mars/Primary Argala (Paap "
      "Argala) on N Node (House 6)",
      "Receives: Moon/Primary Argala (Shubha Argala) on Mars (House 4)"};
  EXPECT_EQ(BoxNoteLines(chart, 3), cancer);
  EXPECT_EQ(BoxNoteLines(chart, 6), std::vector<std::string>{"Libra, ruled by Venus"});
  const std::vector<std::string> aries = BoxNoteLines(chart, 0);
  ASSERT_EQ(aries.size(), 8u);
  EXPECT_EQ(aries[1], "Ascendant 03°30'");
  EXPECT_EQ(aries[5], "Mercury 12°07' (R)");
}

}  // namespace
}  // namespace tarvel
