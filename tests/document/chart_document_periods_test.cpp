#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "argala/argala_summary.h"
#include "document/chart_document_periods.h"
#include "tests/argala/argala_test_support.h"

namespace tarvel::testing {
namespace {

// The worked Argala chart with the Moon of the worked birth (1 June 1972, 04:16 at +05:30,
// the Moon at 269.458°): the Sun's mahadasha runs from 28 February 1971 (03:29 UT) to
// 27 February 1977 (16:24 UT).
ChartResult PeriodsChart() {
  ChartResult chart;
  chart.signs = WorkedChart();
  chart.argala = EvaluateArgala(chart.signs);
  chart.summary = SummariseArgala(chart.signs);
  chart.instant.universalSeconds = 881 * 86400 + 81960;
  chart.instant.offsetSeconds = 19800;
  chart.positions.grahaDeg[Moon] = 269.458;
  return chart;
}

std::vector<std::string> Texts(const std::vector<DocumentLine>& lines, DocumentLineKind kind) {
  std::vector<std::string> texts;
  for (const DocumentLine& line : lines) {
    if (line.kind == kind) texts.push_back(line.text);
  }
  return texts;
}

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
  return std::ranges::find(texts, text) != texts.end();
}

// On 1 June 1975 the Sun's antardashas have run 4.26 of their 6 years: Sun 0.3, Moon 0.5,
// Mars 0.35, N Node 0.9, Jupiter 0.8 and Saturn 0.95 make 3.8, and Mercury's 0.85 reach 4.65.
// The Sun's own antardasha lasts 0.3 sidereal years, 109.58 days: to 17 June 1971.
TEST(PeriodLinesTest, BalanceThenEachPeriodMarkedWhereItRunsAndItsLordsArgala) {
  const std::vector<DocumentLine> lines =
      MakePeriodLines(PeriodsChart(), DashaYear::Sidereal, {1975, 6, 1});
  ASSERT_GE(lines.size(), 3U);
  EXPECT_EQ(lines[0].text, "Vimshottari Dasha");
  EXPECT_EQ(lines[1].text, "Balance of the Sun's period at birth: 4 years 8 months 28 days");
  const std::vector<std::string> headings = Texts(lines, DocumentLineKind::Heading);
  EXPECT_EQ(headings.size(), 1U + 9 + 81) << "the title, nine mahadashas and their antardashas";
  EXPECT_EQ(headings[1], "Sun, 28 Feb 1971 – 27 Feb 1977 — running on 1 June 1975");
  EXPECT_EQ(headings[2], "Sun–Sun, 28 Feb 1971 – 17 Jun 1971");
  EXPECT_EQ(std::ranges::count_if(headings,
                                  [](const std::string& h) { return h.find("running") != h.npos; }),
            2);
  EXPECT_TRUE(headings[8].starts_with("Sun–Mercury, ")) << headings[8];
  EXPECT_TRUE(headings[8].ends_with(" — running on 1 June 1975")) << headings[8];

  // Jupiter's Argala on house 5 (Leo) is obstructed by the Sun and Mercury from the 9th.
  const std::string onLeo =
      "House 5 (Leo): Jupiter from the 5th: Secondary Argala — Obstructed "
      "(Sun and Mercury from the 9th)";
  const std::vector<std::string> entries = Texts(lines, DocumentLineKind::Entry);
  EXPECT_TRUE(Holds(entries, "Casts: " + onLeo));
  EXPECT_TRUE(Holds(entries, "Obstructs: " + onLeo));
}

}  // namespace
}  // namespace tarvel::testing
