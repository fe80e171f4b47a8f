#include <gtest/gtest.h>

#include "document/chart_style.h"
#include "document/styled_chart_layout.h"

namespace tarvel {
namespace {

constexpr double kSide = 4200;

// Twice the signed area of the triangle a b c: positive when c is left of a to b as drawn.
double Cross(TwipPoint a, TwipPoint b, double x, double y) {
  return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

// Inside a convex outline, on its edges included.
bool Inside(const ChartCell& cell, double x, double y) {
  bool left = true;
  bool right = true;
  for (int at = 0; at < cell.cornerCount; ++at) {
    const double side = Cross(cell.outline[at], cell.outline[(at + 1) % cell.cornerCount], x, y);
    left = left && side >= 0;
    right = right && side <= 0;
  }
  return left || right;
}

bool RectInside(const ChartCell& cell, const TwipRect& r) {
  const double right = r.left + r.width;
  const double bottom = r.top + r.height;
  return Inside(cell, r.left, r.top) && Inside(cell, right, r.top) &&
         Inside(cell, r.left, bottom) && Inside(cell, right, bottom);
}

double Area(const ChartCell& cell) {
  double twice = 0;
  for (int at = 0; at < cell.cornerCount; ++at) {
    const TwipPoint a = cell.outline[at];
    const TwipPoint b = cell.outline[(at + 1) % cell.cornerCount];
    twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return std::abs(twice) / 2;
}

ChartCell CellOf(ChartStyle style, int index) {
  return style == ChartStyle::North ? NorthHouseCell(index) : EastSignCell(index);
}

// Every item and number stays within its own cell, and the twelve cells fill the square (the
// East Indian's all but its empty centre cell).
TEST(StyledChartLayoutTest, EachCellHoldsItsTextsAndTheCellsFillTheSquare) {
  for (ChartStyle style : {ChartStyle::North, ChartStyle::East}) {
    double area = 0;
    for (int index = 0; index < kSignCount; ++index) {
      const ChartCell cell = CellOf(style, index);
      const TwipRect number{cell.numberCentre.x - kTwoDigitWidth / 2,
                            cell.numberCentre.y - kSignNumberHeight / 2, kTwoDigitWidth,
                            kSignNumberHeight};
      EXPECT_TRUE(RectInside(cell, cell.items)) << ChartStyleCommandName(style) << index;
      EXPECT_TRUE(RectInside(cell, number)) << ChartStyleCommandName(style) << index;
      area += Area(cell);
    }
    const double centre = style == ChartStyle::East ? kSide * kSide / 9 : 0;
    EXPECT_DOUBLE_EQ(area, kSide * kSide - centre) << ChartStyleCommandName(style);
  }
}

// The drawings' conventions: North Indian houses counter-clockwise from the top centre
// diamond; East Indian signs counter-clockwise from Aries at the top centre, two to a corner
// cell, the first of the pair on the edge it comes from. Points are fractions of the side.
struct CellAt {
  ChartStyle style;
  int index;  // house or sign, from 0
  double u;
  double v;
};
constexpr CellAt kCellsAt[] = {
    {ChartStyle::North, 0, 0.5, 0.25},  {ChartStyle::North, 1, 0.25, 0.1},
    {ChartStyle::North, 2, 0.1, 0.25},  {ChartStyle::North, 3, 0.25, 0.5},
    {ChartStyle::North, 4, 0.1, 0.75},  {ChartStyle::North, 5, 0.25, 0.9},
    {ChartStyle::North, 6, 0.5, 0.75},  {ChartStyle::North, 7, 0.75, 0.9},
    {ChartStyle::North, 8, 0.9, 0.75},  {ChartStyle::North, 9, 0.75, 0.5},
    {ChartStyle::North, 10, 0.9, 0.25}, {ChartStyle::North, 11, 0.75, 0.1},
    {ChartStyle::East, 0, 0.5, 0.15},   {ChartStyle::East, 1, 0.25, 0.05},
    {ChartStyle::East, 2, 0.05, 0.25},  {ChartStyle::East, 3, 0.15, 0.5},
    {ChartStyle::East, 4, 0.05, 0.75},  {ChartStyle::East, 5, 0.25, 0.95},
    {ChartStyle::East, 6, 0.5, 0.85},   {ChartStyle::East, 7, 0.75, 0.95},
    {ChartStyle::East, 8, 0.95, 0.75},  {ChartStyle::East, 9, 0.85, 0.5},
    {ChartStyle::East, 10, 0.95, 0.25}, {ChartStyle::East, 11, 0.75, 0.05},
};

TEST(StyledChartLayoutTest, HousesAndSignsRunCounterClockwiseFromTheTopCentre) {
  for (const CellAt& at : kCellsAt) {
    EXPECT_TRUE(Inside(CellOf(at.style, at.index), at.u * kSide, at.v * kSide))
        << ChartStyleCommandName(at.style) << " " << at.index;
  }
  // The first house holds the rising sign, here Aquarius; the East Indian ignores it.
  EXPECT_EQ(SignCell(ChartStyle::North, 10, 10), NorthHouseCell(0));
  EXPECT_EQ(SignCell(ChartStyle::North, 8, 10), NorthHouseCell(10));
  EXPECT_EQ(SignCell(ChartStyle::East, 0, 10), EastSignCell(0));
}

TEST(ChartStyleTest, NamesParseInAnyCaseAndUnknownOnesAreRefused) {
  EXPECT_EQ(ParseChartStyle("NORTH"), ChartStyle::North);
  EXPECT_EQ(ParseChartStyle("east"), ChartStyle::East);
  EXPECT_EQ(ParseChartStyle("diamond"), std::nullopt);
  EXPECT_EQ(ChartStyleCommandNames(), "south, north or east");
}

}  // namespace
}  // namespace tarvel
