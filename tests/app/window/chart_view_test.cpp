#include <QTest>

#include "../../export/export_test_support.h"
#include "export/chart_palette.h"
#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using ChartViewTest = WindowTest;

QColor Colour(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

// How many times its natural size (15 twips to the pixel) the view draws the chart.
double Zoom(const ChartCardLayout& layout) {
  return layout.pxPerTwip * 15;
}

// A box at the natural size: the view may draw the chart larger so that its texts are as large
// as the window's.
QRectF Natural(const ChartCardLayout& layout, const QRectF& box) {
  const double zoom = Zoom(layout);
  return {box.topLeft() / zoom, box.size() / zoom};
}

QRectF InSquare(const ChartCardLayout& layout, const QRectF& box) {
  return Natural(layout, box.translated(-layout.square.topLeft()));
}

void ExpectNear(const QRectF& shown, const QRectF& natural, double zoom, int sign) {
  EXPECT_EQ(shown.toRect(), QRectF(natural.topLeft() * zoom, natural.size() * zoom).toRect())
      << "sign " << sign;
}

// Twips at 15 to the pixel: the square is 4200 twips, so 280 pixels, 72 from the list's left;
// the view draws it as large as its room allows, in the same proportions.
TEST_F(ChartViewTest, SquareAndSignBoxesStandWhereTheFormPutsThem) {
  window.BringResultViewToFront();
  QTest::qWait(0);
  const ChartCardLayout& layout = out.chart->Layout();
  const double zoom = Zoom(layout);
  ExpectNear(layout.square, {72, 3, 280, 280}, zoom, -1);
  struct Box {
    int sign;
    QRectF rect;
  };
  const std::array<Box, 5> boxes{{{0, {70, 0, 70, 70}},     // Aries, column 1 row 0
                                  {3, {210, 70, 70, 70}},   // Cancer, column 3 row 1
                                  {5, {210, 210, 70, 70}},  // Virgo, bottom right
                                  {8, {0, 210, 70, 70}},    // Sagittarius, bottom left
                                  {11, {0, 0, 70, 70}}}};   // Pisces, top left
  for (const Box& box : boxes) {
    ExpectNear(
        layout.signBoxes[static_cast<std::size_t>(box.sign)].translated(-layout.square.topLeft()),
        box.rect, zoom, box.sign);
  }
}

TEST_F(ChartViewTest, SignNumbersAreFixedInTheLowerRightCorners) {
  const ChartCardLayout& layout = out.chart->Layout();
  for (int sign = 0; sign < kSignCount; ++sign) {
    EXPECT_EQ(layout.signNumbers[static_cast<std::size_t>(sign)].lines,
              QStringList{QString::number(sign + 1)});
  }
  EXPECT_EQ(InSquare(layout, layout.signNumbers[0].box), QRectF(128, 48, 9, 14));
  EXPECT_EQ(InSquare(layout, layout.signNumbers[5].box), QRectF(264, 264, 9, 14));
  EXPECT_EQ(InSquare(layout, layout.signNumbers[9].box), QRectF(48, 192, 18, 14));
  EXPECT_EQ(InSquare(layout, layout.signNumbers[11].box), QRectF(48, 48, 18, 14));
}

TEST_F(ChartViewTest, LegendAndPositionListPlacesAndColours) {
  const ChartCardLayout& layout = out.chart->Layout();
  EXPECT_EQ(InSquare(layout, layout.legend[0].box), QRectF(90, 72, 102, 13));
  EXPECT_EQ(InSquare(layout, layout.legend[8].box), QRectF(90, 192, 102, 13));
  // The list stands left of the square.
  EXPECT_EQ(Natural(layout, layout.names[2].box), QRectF(8, 52, 53, 13));
  EXPECT_EQ(Natural(layout, layout.positions[2].box), QRectF(8, 65, 44, 13));
  const ChartPalette& palette = out.chart->Palette();
  EXPECT_EQ(Colour(palette.Of(TextRole::Legend)), QColor(128, 0, 0));
  EXPECT_EQ(Colour(palette.Of(TextRole::PlanetName)), QColor(0, 192, 192));
  EXPECT_EQ(Colour(palette.Of(TextRole::PlanetPosition)), QColor(255, 255, 0));
}

// Light cyan, yellow and teal need a dark ground; the legend's dark red needs a light one.
TEST_F(ChartViewTest, ColoursStandOnGroundsTheyCanBeReadOn) {
  const QColor readingGround = out.RTB->palette().color(QPalette::Base);
  const QColor listGround = out.Frame2->palette().color(QPalette::Window);
  const QColor legendGround = Colour(out.chart->Palette().squareGround);
  EXPECT_LT(readingGround.lightness(), 64);
  EXPECT_LT(listGround.lightness(), 64);
  EXPECT_GT(legendGround.lightness(), 160);
  EXPECT_TRUE(out.Frame2->autoFillBackground());
  EXPECT_FALSE(out.chart->Palette().fillsGround) << "the list stands on the view's ground";
  EXPECT_TRUE(out.RTB->isReadOnly());
}

// Every text the view draws fits its box, measured in its font on the view itself.
void ExpectEveryCaptionFits(const RasiChartView& chart) {
  ForEachText(chart.Layout(), [&](const PlacedText& text) {
    const QFontMetricsF metrics(text.font, &chart);
    for (const QString& line : text.lines) {
      EXPECT_LE(metrics.horizontalAdvance(line), text.box.width()) << line.toStdString();
    }
    EXPECT_LE(metrics.height() + (text.lines.size() - 1) * metrics.lineSpacing(), text.box.height())
        << text.lines.join(' ').toStdString();
  });
}

// At the window's first size the widest position of each sign keeps its last digit ("29 Gem
// 59" once lost its 9), and the fullest box wraps inside its own.
TEST_F(ChartViewTest, AtTheFirstSizeTheWidestCaptionsFit) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    const ChartCaptions captions = FullestCaptions(sign);
    out.chart->ShowCaptions(captions);
    EXPECT_EQ(ShownCaptions(*out.chart), captions);
    EXPECT_GE(out.chart->Layout().signTexts[sign].lines.size(), 2) << "wrapped";
    ExpectEveryCaptionFits(*out.chart);
  }
}

// The chart grows with the window, in its own shape, taking the height the view offers, and
// shrinks back; at every size each caption still fits.
TEST_F(ChartViewTest, TheChartGrowsWithTheWindow) {
  out.chart->ShowCaptions(FullestCaptions(2));
  window.BringResultViewToFront();
  QTest::qWait(50);
  const QSize first = window.size();
  const QRectF firstSquare = out.chart->Layout().square;
  for (const double scale : {1.5, 2.0, 1.0}) {
    window.resize((QSizeF(first) * scale).toSize());
    QTest::qWait(50);
    const double square = out.chart->Layout().square.width();
    EXPECT_GE(square, firstSquare.width() * scale * 0.9) << "scale " << scale;
    // The header and the buttons keep their height, so the chart gains more than the window.
    EXPECT_LE(out.chart->Layout().area.bottom(), out.chart->height() + 0.5) << "scale " << scale;
    EXPECT_DOUBLE_EQ(out.chart->Layout().square.height(), square);
    // No empty band below the chart: it reaches down to the buttons.
    const QPoint cardBottom(0, static_cast<int>(out.chart->Layout().area.bottom()));
    const int chartBottom = out.chart->mapTo(out.Frame2, cardBottom).y();
    EXPECT_LE(out.cmdBack->mapTo(out.Frame2, QPoint(0, 0)).y() - chartBottom, 12) << scale;
    ExpectEveryCaptionFits(*out.chart);
  }
  EXPECT_EQ(out.chart->Layout().square, firstSquare);
}

// The result view shows the document it is handed, not what the window last computed.
TEST_F(ChartViewTest, ShowsTheDocumentItIsGiven) {
  ChartDocument document = MakeChartDocument(AshaState());
  document.header.title = "Shown From The Document";
  document.header.sky = "A sky of its own";
  document.captions.signItems[4] = {{std::nullopt, kAscendantMarker}, {Jupiter, "J"}};
  document.captions.lblSign[4] = "Asc / J";
  document.reading[1].text = "A line only the document has";
  window.ShowChart(document);
  EXPECT_TRUE(out.lblHeader->text().startsWith("Shown From The Document · Born 5 March 1980"));
  EXPECT_EQ(out.lblSky->text(), "Sky: A sky of its own");
  EXPECT_EQ(ShownCaptions(*out.chart), document.captions);
  EXPECT_EQ(out.RTB->toPlainText().section('\n', 1, 1), "A line only the document has");
}

}  // namespace
}  // namespace tarvel::testing
