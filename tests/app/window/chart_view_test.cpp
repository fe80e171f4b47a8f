#include <QLabel>

#include "window_fixture.h"

namespace tarvel::testing {
namespace {

using ChartViewTest = WindowTest;

QColor TextColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

// Twips at 15 to the pixel: the square is 4200 twips, so 280 pixels.
TEST_F(ChartViewTest, SquareAndSignBoxesStandWhereTheFormPutsThem) {
  const RasiChartControls& chart = out.chart;
  EXPECT_EQ(chart.picDisplay->geometry(), QRect(72, 3, 280, 280));
  struct Box {
    int sign;
    QRect rect;
  };
  const std::array<Box, 5> boxes{{{0, {70, 0, 70, 70}},     // Aries, column 1 row 0
                                  {3, {210, 70, 70, 70}},   // Cancer, column 3 row 1
                                  {5, {210, 210, 70, 70}},  // Virgo, bottom right
                                  {8, {0, 210, 70, 70}},    // Sagittarius, bottom left
                                  {11, {0, 0, 70, 70}}}};   // Pisces, top left
  for (const Box& box : boxes) {
    EXPECT_EQ(chart.lblSign[static_cast<std::size_t>(box.sign)]->geometry(), box.rect)
        << "sign " << box.sign;
  }
}

TEST_F(ChartViewTest, SignNumbersAreFixedInTheLowerRightCorners) {
  const RasiChartControls& chart = out.chart;
  for (int sign = 0; sign < kSignCount; ++sign) {
    EXPECT_EQ(chart.lblSignNo[static_cast<std::size_t>(sign)]->text(), QString::number(sign + 1));
  }
  EXPECT_EQ(chart.lblSignNo[0]->geometry(), QRect(128, 48, 9, 14));
  EXPECT_EQ(chart.lblSignNo[5]->geometry(), QRect(264, 264, 9, 14));
  EXPECT_EQ(chart.lblSignNo[9]->geometry(), QRect(48, 192, 18, 14));
  EXPECT_EQ(chart.lblSignNo[11]->geometry(), QRect(48, 48, 18, 14));
}

TEST_F(ChartViewTest, LegendAndPositionListPlacesAndColours) {
  const RasiChartControls& chart = out.chart;
  EXPECT_EQ(chart.lblPlanet[0]->geometry(), QRect(90, 72, 102, 13));
  EXPECT_EQ(chart.lblPlanet[8]->geometry(), QRect(90, 192, 102, 13));
  EXPECT_EQ(chart.lblPlanets_Name[2]->geometry(), QRect(8, 52, 53, 13));
  EXPECT_EQ(chart.lblPlanets_Position[2]->geometry(), QRect(8, 65, 44, 13));
  for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
    EXPECT_EQ(TextColour(chart.lblPlanet[planet]), QColor(128, 0, 0));
    EXPECT_EQ(TextColour(chart.lblPlanets_Name[planet]), QColor(0, 192, 192));
    EXPECT_EQ(TextColour(chart.lblPlanets_Position[planet]), QColor(255, 255, 0));
  }
  // The legend and the list share the square's container with the sign boxes, the list
  // stands beside the square.
  EXPECT_EQ(chart.lblPlanet[0]->parentWidget(), chart.picDisplay);
  EXPECT_EQ(chart.lblPlanets_Name[0]->parentWidget(), chart.picDisplay->parentWidget());
}

// Light cyan, yellow and teal need a dark ground; the legend's dark red needs a light one.
TEST_F(ChartViewTest, ColoursStandOnGroundsTheyCanBeReadOn) {
  const QColor readingGround = out.RTB->palette().color(QPalette::Base);
  const QColor listGround = out.Frame2->palette().color(QPalette::Window);
  const QColor legendGround = out.chart.picDisplay->palette().color(QPalette::Window);
  EXPECT_LT(readingGround.lightness(), 64);
  EXPECT_LT(listGround.lightness(), 64);
  EXPECT_GT(legendGround.lightness(), 160);
  EXPECT_TRUE(out.Frame2->autoFillBackground());
  EXPECT_TRUE(out.chart.picDisplay->autoFillBackground());
  EXPECT_TRUE(out.RTB->isReadOnly());
}

}  // namespace
}  // namespace tarvel::testing
