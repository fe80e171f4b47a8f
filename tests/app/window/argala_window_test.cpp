#include <QImage>
#include <QTest>

#include "../../argala/argala_test_support.h"
#include "app/window/form_mapping.h"
#include "form/calculation_driver.h"
#include "positions/classic/classic_sky.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using ArgalaWindowTest = WindowTest;
using Kind = ArgalaRecipient::Kind;

// The worked chart: ascendant, Sun and Mercury in Aries; Moon in Taurus; Mars in Cancer; N Node
// in Virgo; Jupiter in Sagittarius; Saturn in Capricorn; Venus and S Node in Pisces.
ChartState WorkedState() {
  ChartState state;
  state.Chart.signs = WorkedChart();
  state.Chart.argala = EvaluateArgala(state.Chart.signs);
  state.Chart.summary = SummariseArgala(state.Chart.signs);
  return state;
}

int PixelsNear(const QImage& image, Rgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      count += std::abs(pixel.red() - colour.red) + std::abs(pixel.green() - colour.green) +
                           std::abs(pixel.blue() - colour.blue) <
                       40
                   ? 1
                   : 0;
    }
  }
  return count;
}

struct ExplainCase {
  const char* what;
  int sign;                              // the box clicked
  std::optional<int> item;               // the abbreviation clicked; none for the box's free corner
  std::vector<ExplanationArrow> arrows;  // planet, its sign and item, obstructs
  std::string caption;
};

// Hand-derived from the rules: pairs 2/12, 4/10, 11/3, 5/9; the S Node counts backward.
const std::vector<ExplainCase> kExplainCases = {
    {"S Node",
     11,
     1,
     {{Jupiter, 8, 0, false}, {Moon, 1, 0, false}, {Saturn, 9, 0, true}},
     "S Node (house 12). Jupiter from the 4th: Primary Argala — Unobstructed. Moon from the 11th: "
     "Primary Argala — Balanced (Saturn from the 3rd)."},
    {"house 12",
     11,
     std::nullopt,
     {{Sun, 0, 1, false},
      {Mercury, 0, 2, false},
      {Saturn, 9, 0, false},
      {Moon, 1, 0, true},
      {Mars, 3, 0, false}},
     "House 12 (Pisces). Sun and Mercury from the 2nd: Primary Argala — Unobstructed. Saturn from "
     "the 11th: Primary Argala — Balanced (Moon from the 3rd). Mars from the 5th: Secondary "
     "Argala — Unobstructed."},
    {"Sun",
     0,
     1,
     {{Moon, 1, 0, false},
      {Venus, 11, 0, true},
      {SNode, 11, 1, true},
      {Mars, 3, 0, false},
      {Saturn, 9, 0, true}},
     "Sun (house 1). Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the "
     "12th). Mars from the 4th: Primary Argala — Balanced (Saturn from the 10th)."},
};

// In every style for a planet; a house's free corner is found in the square's boxes.
TEST_F(ArgalaWindowTest, ClickingABoxOrAPlanetDrawsItsArgalaAndEscClearsIt) {
  const ChartState state = WorkedState();
  for (const ChartStyle style : kChartStyles) {
    window.ShowChart(MakeChartDocument(state, {}, style));
    out.chart->SetExplainedChart(state.Chart);
    const ChartCardLayout& card = out.chart->Layout();
    const QImage plain = out.chart->grab().toImage();
    for (const ExplainCase& row : kExplainCases) {
      if (style != ChartStyle::South && !row.item) continue;
      const QRectF box = card.signBoxes[static_cast<std::size_t>(row.sign)];
      const QPointF at =
          row.item ? SignItemRect(card.signTexts[row.sign], *row.item, out.chart)->center()
                   : box.bottomLeft() + QPointF(4, -4);
      QTest::mouseClick(out.chart, Qt::LeftButton, {}, at.toPoint());
      ASSERT_TRUE(out.chart->Overlay().explanation) << row.what;
      EXPECT_EQ(out.chart->Overlay().explanation->arrows, row.arrows) << row.what;
      EXPECT_EQ(out.lblExplanation->text().toStdString(), row.caption) << row.what;
      EXPECT_TRUE(out.lblExplanation->isVisible()) << row.what;
      EXPECT_TRUE(out.lblArrowKey->isVisible()) << row.what;
      const QImage drawn = out.chart->grab().toImage();
      EXPECT_GT(PixelsNear(drawn, kShubhaArrowColour), PixelsNear(plain, kShubhaArrowColour) + 20);
      EXPECT_GT(PixelsNear(drawn, kPaapArrowColour), PixelsNear(plain, kPaapArrowColour) + 10);
      QTest::keyClick(out.chart, Qt::Key_Escape);
      EXPECT_FALSE(out.chart->Overlay().explanation) << row.what;
      EXPECT_FALSE(out.lblExplanation->isVisible()) << row.what;
      EXPECT_FALSE(out.lblArrowKey->isVisible()) << row.what;
    }
  }
}

// From the ascendant's box (Aries), right to Taurus and down over the legend to Libra.
TEST_F(ArgalaWindowTest, ArrowKeysAndEnterExplainAHouseAndAnEmptyBoxsSecondEnterClears) {
  const ChartState state = WorkedState();
  window.ShowChart(MakeChartDocument(state));
  out.chart->SetExplainedChart(state.Chart);
  out.chart->setFocus();
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}) {
    QTest::keyClick(out.chart, key);
  }
  EXPECT_EQ(out.lblExplanation->text().toStdString(),
            "House 7 (Libra). Saturn from the 4th: Primary Argala — Balanced (Mars from the "
            "10th). Moon from the 8th: Secondary Argala — Unobstructed.");
  QTest::keyClick(out.chart, Qt::Key_Return);  // Libra holds no planet: Enter clears
  EXPECT_FALSE(out.chart->Overlay().explanation);
}

TEST_F(ArgalaWindowTest, SummaryTabColoursEachEntryByItsVerdict) {
  window.ShowChart(MakeChartDocument(WorkedState()));
  QTextDocument* summary = out.analysis.summary->document();
  const auto colourOf = [&](const char* line) {
    const QTextCursor found = summary->find(QString::fromUtf8(line));
    EXPECT_FALSE(found.isNull()) << line;
    return found.charFormat().foreground().color();
  };
  const QColor obstructed =
      colourOf("Moon from the 2nd: Primary Argala — Obstructed (Venus and S Node from the 12th)");
  const QColor balanced =
      colourOf("Mars from the 4th: Primary Argala — Balanced (Saturn from the 10th)");
  const QColor unobstructed = colourOf("Jupiter from the 4th: Primary Argala — Unobstructed");
  EXPECT_NE(obstructed, balanced);
  EXPECT_NE(obstructed, unobstructed);
  EXPECT_NE(balanced, unobstructed);
  // An arrow's nature must not read as a verdict: its hue stays 30° or more from each; the
  // key beside the chart shows the same two colours.
  const QString key = out.lblArrowKey->text();
  EXPECT_TRUE(key.contains("casts") && key.contains("obstructs")) << key.toStdString();
  for (const QColor verdict : {obstructed, balanced, unobstructed}) {
    for (const Rgb arrow : {kShubhaArrowColour, kPaapArrowColour}) {
      const int apart = std::abs(ToQColor(arrow).hue() - verdict.hue());
      EXPECT_GE(std::min(apart, 360 - apart), 30) << verdict.name().toStdString();
      EXPECT_TRUE(key.contains(ToQColor(arrow).name())) << key.toStdString();
    }
  }
}

// The Navamsa of a longitude λ in degrees is floor(λ·9/30) mod 12, whatever its sign.
TEST_F(ArgalaWindowTest, ChoosingNavamsaShowsItsBoxesAndNamesItInTheHeader) {
  FillRequiredBoxes();
  in.cmdCalculate->click();
  const ChartCaptions rasi = ShownCaptions(*out.chart);
  Choose(out.cboVarga, "D9 Navamsa");
  ChartState state;
  RecordingSink silent;
  BirthForm form = ReadForm(in);
  ASSERT_FALSE(CalculateReading(form, state, silent, ClassicSky()));
  const auto navamsa = [](double longitudeDeg) {
    return static_cast<int>(std::floor(longitudeDeg * 9 / 30)) % kSignCount;
  };
  ChartSigns signs{navamsa(state.Chart.positions.ascendantDeg), {}};
  for (int p = 0; p < kPlanetCount; ++p)
    signs.grahas[p] = navamsa(state.Chart.positions.grahaDeg[p]);
  EXPECT_EQ(ShownCaptions(*out.chart).lblSign, BuildChartCaptions(signs, {}).lblSign);
  EXPECT_TRUE(out.lblHeader->text().endsWith(" · D9 Navamsa"))
      << out.lblHeader->text().toStdString();
  Choose(out.cboVarga, "D1 Rasi");
  EXPECT_EQ(ShownCaptions(*out.chart).lblSign, rasi.lblSign);
  EXPECT_FALSE(out.lblHeader->text().contains("Rasi"));
}

// Mars at Aries 5°, Jupiter at Aries 2°30' and Saturn at Virgo 5°, the rest at Aries 0°: in
// the Navamsa (parts of 3°20') they stand at Taurus 15°, Aries 22°30' and Aquarius 15°.
TEST_F(ArgalaWindowTest, AVargasBoxesShowTheDegreesWithinTheVargasSigns) {
  ChartState state;
  state.Chart.positions.grahaDeg[Mars] = 5;
  state.Chart.positions.grahaDeg[Jupiter] = 2.5;
  state.Chart.positions.grahaDeg[Saturn] = 155;
  SetVarga(state.Chart, Varga::D9);
  window.ShowChart(MakeChartDocument(state, {.degrees = true}));
  const ChartCaptions shown = ShownCaptions(*out.chart);
  EXPECT_EQ(shown.lblSign[1], "Ma 15°00'");
  EXPECT_EQ(shown.lblSign[10], "Sa 15°00'");
  EXPECT_TRUE(shown.lblSign[0].find("J 22°30'") != std::string::npos) << shown.lblSign[0];
}

}  // namespace
}  // namespace tarvel::testing
