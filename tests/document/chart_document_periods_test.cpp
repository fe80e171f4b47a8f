#include <gtest/gtest.h>

#include <algorithm>

#include "document/chart_document_periods.h"
#include "tests/argala/argala_test_support.h"

namespace tarvel::testing {
namespace {

// The worked Argala chart with the Moon of the worked birth (1 June 1972, 04:16 at +05:30).
// By 1 June 1975 the Sun's antardashas have run 4.26 of its 6 years, within its 7th, Mercury's
// (3.8 to 4.65); the Sun's own lasts 0.3 sidereal years, 109.58 days. Jupiter's Argala on house 5
// (Leo) is obstructed by the Sun and Mercury from the 9th.
TEST(PeriodLinesTest, BalanceThenEachPeriodMarkedWhereItRunsAndItsLordsArgala) {
  ChartResult chart;
  chart.signs = WorkedChart();
  chart.argala = EvaluateArgala(chart.signs);
  chart.summary = SummariseArgala(chart.signs);
  chart.instant.universalSeconds = 881 * 86400 + 81960;
  chart.instant.offsetSeconds = 19800;
  chart.positions.grahaDeg[Moon] = 269.458;
  const auto lines = MakePeriodLines(chart, DashaYear::Sidereal, {1975, 6, 1});
  EXPECT_EQ(lines[1].text, "Balance of the Sun's period at birth: 4 years 8 months 28 days");
  std::vector<std::string> headings, running;
  for (const DocumentLine& line : lines) {
    if (line.kind == DocumentLineKind::Heading) headings.push_back(line.text);
    if (line.text.ends_with(" — running on 1 June 1975")) running.push_back(line.text);
  }
  ASSERT_EQ(headings.size(), 1U + 9 + 81) << "the title, the mahadashas and antardashas";
  EXPECT_EQ(headings[2], "Sun–Sun, 28 Feb 1971 – 17 Jun 1971");
  EXPECT_EQ(running, (std::vector{headings[1], headings[8]}));
  EXPECT_EQ(headings[1], "Sun, 28 Feb 1971 – 27 Feb 1977 — running on 1 June 1975");
  const std::string onLeo =
      "House 5 (Leo): Jupiter from the 5th: Secondary Argala — Obstructed "
      "(Sun and Mercury from the 9th)";
  for (const std::string how : {"Casts: ", "Obstructs: "}) {
    EXPECT_NE(std::ranges::find(lines, how + onLeo, &DocumentLine::text), lines.end()) << how;
  }
}

}  // namespace
}  // namespace tarvel::testing
