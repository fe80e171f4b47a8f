#include <QTest>
#include <algorithm>

#include "../../argala/argala_test_support.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using PeriodsWindowTest = WindowTest;

// The worked Argala chart, with the Moon of the worked birth (1 June 1972, 04:16 at +05:30):
// its periods run Sun, Moon, Mars, N Node, Jupiter, Saturn, Mercury, S Node, Venus.
ChartState PeriodsState() {
  ChartState state;
  state.Chart.signs = WorkedChart();
  state.Chart.argala = EvaluateArgala(state.Chart.signs);
  state.Chart.summary = SummariseArgala(state.Chart.signs);
  state.Chart.instant.universalSeconds = 881 * 86400 + 81960;
  state.Chart.instant.offsetSeconds = 19800;
  state.Chart.positions.grahaDeg[Moon] = 269.458;
  return state;
}

// Jupiter in Sagittarius, counted by hand over the worked chart's signs: the 8th of the Moon
// and of house 2, the 4th of both nodes and of house 6, the 5th of house 5 against the Sun and
// Mercury in the 9th, the 2nd of house 8, the 11th of house 11 against them in the 3rd.
constexpr std::string_view kJupiterCasts =
    "Jupiter: Secondary Argala on the Moon — Unobstructed; Primary Argala on the N Node — "
    "Unobstructed; Primary Argala on the S Node — Unobstructed; Secondary Argala on the 2nd "
    "house — Unobstructed; Secondary Argala on the 5th house — Obstructed (Sun and Mercury from "
    "the 9th); Primary Argala on the 6th house — Unobstructed; Primary Argala on the 8th house — "
    "Unobstructed; Primary Argala on the 11th house — Obstructed (Sun and Mercury from the 3rd).";

struct ChosenCase {
  int mahadasha, antardasha;  // -1 for the mahadasha itself
  std::string_view lords;
  std::size_t recipients, solid, dashed;
};

// Saturn casts on eight recipients and obstructs eight others' entries (see the lord's Argala
// test); with Jupiter's eight they reach 17 recipients.
constexpr ChosenCase kChosen[] = {
    {4, -1, "Jupiter", 8, 8, 0},
    {4, 1, "Jupiter–Saturn", 17, 16, 8},
};

std::size_t Count(const ChartOverlay& overlay, bool obstructs) {
  std::size_t count = 0;
  for (const ArgalaExplanation& recipient : overlay.period) {
    count += static_cast<std::size_t>(
        std::ranges::count(recipient.arrows, obstructs, &ExplanationArrow::obstructs));
  }
  return count;
}

TEST_F(PeriodsWindowTest, ChoosingAPeriodDrawsItsLordsArgalaWithTheSummarysWords) {
  const ChartState state = PeriodsState();
  window.ShowChart(MakeChartDocument(state));
  out.chart->SetExplainedChart(state.Chart);
  out.periods->ShowPeriods(state.Chart, DashaYear::Sidereal);
  QTreeWidget* tree = out.periods->Tree();
  for (const ChosenCase& row : kChosen) {
    QTreeWidgetItem* item = tree->topLevelItem(row.mahadasha);
    if (row.antardasha >= 0) item = item->child(row.antardasha);
    tree->setFocus();
    tree->setCurrentItem(item);
    const std::string caption = out.lblExplanation->text().toStdString();
    const std::string heading = std::string(row.lords) + ", " + item->text(1).toStdString() + ". ";
    EXPECT_EQ(caption.substr(0, heading.size()), heading);
    EXPECT_NE(caption.find(kJupiterCasts), std::string::npos) << caption;
    EXPECT_EQ(caption.find("Saturn obstructs") != std::string::npos, row.dashed > 0);
    EXPECT_EQ(out.chart->Overlay().period.size(), row.recipients) << row.lords;
    EXPECT_EQ(Count(out.chart->Overlay(), false), row.solid) << row.lords;
    EXPECT_EQ(Count(out.chart->Overlay(), true), row.dashed) << row.lords;
  }
  out.chart->setFocus();
  QTest::keyClick(out.chart, Qt::Key_Escape);
  EXPECT_TRUE(out.chart->Overlay().period.empty());
}

// At birth the Sun's period had run 458.8 of its 2,191.5 days: past the antardashas of the
// Sun, Moon and Mars (1.15 years) into the N Node's, whose own first tenth is the N Node's.
TEST_F(PeriodsWindowTest, TheDateBoxOpensAndMarksThePeriodsRunningThen) {
  const ChartState state = PeriodsState();
  out.periods->ShowPeriods(state.Chart, DashaYear::Sidereal);
  out.periods->DateBox()->setDate(QDate(1972, 6, 1));
  EXPECT_EQ(out.periods->RunningOn(QDate(1972, 6, 1)), "Sun–N Node–N Node");
  QTreeWidgetItem* sun = out.periods->Tree()->topLevelItem(0);
  EXPECT_TRUE(sun->isExpanded());
  EXPECT_TRUE(sun->child(3)->isExpanded());
  EXPECT_TRUE(sun->child(3)->child(0)->font(0).bold());
  EXPECT_FALSE(sun->child(2)->font(0).bold());
  EXPECT_FALSE(out.periods->Tree()->topLevelItem(1)->isExpanded());
}

}  // namespace
}  // namespace tarvel::testing
