#include <gtest/gtest.h>

#include <string>

#include "document/chart_document.h"
#include "tests/export/export_test_support.h"

namespace tarvel::testing {
namespace {

TEST(ChartDocumentTest, HeaderOfTheExampleBirth) {
  const ChartHeader header = MakeChartHeader(AshaState());
  EXPECT_EQ(header.title, "Asha Rao");
  EXPECT_EQ(header.birth, "Born 5 March 1980 at 14:07, Indian Time, IST, -5.3: UTC+05:30");
  EXPECT_EQ(header.place, "Mumbai, Maharashtra, India, 18°58' N, 72°49' E");
  EXPECT_EQ(header.sky, "Classic formulas");
}

struct HeaderCase {
  const char* what;
  void (*change)(ChartState&);
  ChartHeader expected;
};

const ChartHeader kAshaHeader{
    "Asha Rao", "Born 5 March 1980 at 14:07, Indian Time, IST, -5.3: UTC+05:30",
    "Mumbai, Maharashtra, India, 18°58' N, 72°49' E", "Classic formulas", ""};

ChartHeader With(ChartHeader header, std::string ChartHeader::*part, std::string text) {
  header.*part = std::move(text);
  return header;
}

const HeaderCase kHeaderCases[] = {
    {"spaces around the name go", [](ChartState& s) { s.BirthData.BirthName = "  Asha Rao "; },
     kAshaHeader},
    {"no name gives a title still", [](ChartState& s) { s.BirthData.BirthName = "   "; },
     With(kAshaHeader, &ChartHeader::title, "Rasi chart")},
    {"no name in a varga is titled by the varga, never as the Rasi chart",
     [](ChartState& s) {
       s.BirthData.BirthName.clear();
       s.Chart.varga = Varga::D9;
     },
     With(With(kAshaHeader, &ChartHeader::title, "D9 Navamsa"), &ChartHeader::varga, "D9 Navamsa")},
    {"daylight saving is said with the offset it makes",
     [](ChartState& s) {
       s.BirthData.IsDST = kTrue;
       s.Chart.instant.offsetSeconds = 6 * 3600 + 30 * 60;
     },
     With(kAshaHeader, &ChartHeader::birth,
          "Born 5 March 1980 at 14:07, Indian Time, IST, -5.3, daylight saving: UTC+06:30")},
    {"south and west",
     [](ChartState& s) {
       s.BirthData.IsSouth = kTrue;
       s.BirthData.IsEast = kFalse;
     },
     With(kAshaHeader, &ChartHeader::place, "Mumbai, Maharashtra, India, 18°58' S, 72°49' W")},
    {"empty place names are left out",
     [](ChartState& s) {
       s.BirthData.BirthState.clear();
       s.BirthData.BirthCity.clear();
     },
     With(kAshaHeader, &ChartHeader::place, "India, 18°58' N, 72°49' E")},
    {"minutes and hours in two figures",
     [](ChartState& s) {
       s.BirthData.BirthHour = 6;
       s.BirthData.BirthMinute = 5;
       s.BirthData.LatMin = 3;
       s.Zone = RowZone(29);
       s.Chart.instant.offsetSeconds = 0;
     },
     With(With(kAshaHeader, &ChartHeader::birth,
               "Born 5 March 1980 at 06:05, Greenwich Mean Time,GMT,0.0: UTC+00:00"),
          &ChartHeader::place, "Mumbai, Maharashtra, India, 18°03' N, 72°49' E")},
};

TEST(ChartDocumentTest, HeaderCases) {
  for (const HeaderCase& test : kHeaderCases) {
    ChartState state = AshaState();
    test.change(state);
    EXPECT_EQ(MakeChartHeader(state), test.expected) << test.what;
  }
}

// The lines carry no line break of any front end, and joined they are the text the command
// line and the JSON write.
TEST(ChartDocumentTest, ReadingLinesCarryNoLineBreaks) {
  for (const ChartState& state : {AshaState(), LongestReadingState()}) {
    const std::vector<DocumentLine> lines = MakeDocumentLines(state.Chart);
    std::string joined;
    for (const DocumentLine& line : lines) {
      EXPECT_EQ(line.text.find_first_of("\r\n"), std::string::npos) << line.text;
      joined += line.text + "\n";
    }
    EXPECT_EQ(joined, ReadingText(state.Chart.reading, state.Chart.argala, "\n"));
  }
}

TEST(ChartDocumentTest, EveryPlanetHasAHeadingItsLinesAndABlankLine) {
  const std::vector<DocumentLine> lines = MakeDocumentLines(LongestReadingState().Chart);
  std::size_t at = 0;
  for (const std::string_view name : kPlanetNames) {
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at].kind, DocumentLineKind::Heading);
    EXPECT_EQ(lines[at].text, name);
    ++at;
    const std::size_t firstEntry = at;
    while (at < lines.size() && lines[at].kind == DocumentLineKind::Entry) {
      EXPECT_FALSE(lines[at].text.empty());
      ++at;
    }
    EXPECT_GT(at, firstEntry) << name;
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at], (DocumentLine{DocumentLineKind::Blank, ""}));
    ++at;
  }
  EXPECT_EQ(at, lines.size());
}

TEST(ChartDocumentTest, HeaderLineLeavesOutEmptyParts) {
  EXPECT_EQ(HeaderLine(kAshaHeader),
            "Asha Rao · Born 5 March 1980 at 14:07, Indian Time, IST, -5.3: UTC+05:30 · Mumbai, "
            "Maharashtra, India, 18°58' N, 72°49' E · Classic formulas");
  EXPECT_EQ(HeaderLine({"Ravi", "", "Pune", "", ""}), "Ravi · Pune");
  EXPECT_EQ(HeaderLine({"Ravi", "", "", "Classic formulas", "D9 Navamsa"}),
            "Ravi · Classic formulas · D9 Navamsa");
}

TEST(ChartDocumentTest, TheDocumentCarriesTheChartsCaptions) {
  const ChartState state = AshaState();
  const ChartDocument document = MakeChartDocument(state);
  ChartCaptions captions = BuildChartCaptions(state.Chart.signs, state.Chart.positions.grahaDeg);
  AddNakshatras(captions, NakshatrasOf(state.Chart.positions), false);
  EXPECT_EQ(document.captions, captions);
  EXPECT_EQ(document.header, kAshaHeader);
  EXPECT_EQ(document.reading, MakeDocumentLines(state.Chart));
}

}  // namespace
}  // namespace tarvel::testing
