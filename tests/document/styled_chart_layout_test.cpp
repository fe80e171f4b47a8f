#include <gtest/gtest.h>

#include "document/chart_style.h"
#include "document/styled_chart_layout.h"

namespace tarvel {
namespace {

constexpr double kSide = 4200;

// Inside a convex outline, edges included: on the same side of each of its edges.
bool Inside(const ChartCell& cell, double x, double y) {
  int left = 0;
  int right = 0;
  for (int at = 0; at < cell.cornerCount; ++at) {
    const TwipPoint a = cell.outline[at];
    const TwipPoint b = cell.outline[(at + 1) % cell.cornerCount];
    const double side = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    left += side >= 0 ? 1 : 0;
    right += side <= 0 ? 1 : 0;
  }
  return left == cell.cornerCount || right == cell.cornerCount;
}

bool RectInside(const ChartCell& cell, const TwipRect& r) {
  return Inside(cell, r.left, r.top) && Inside(cell, r.left + r.width, r.top + r.height) &&
         Inside(cell, r.left, r.top + r.height) && Inside(cell, r.left + r.width, r.top);
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
using enum ChartStyle;
constexpr CellAt kCellsAt[] = {
    {North, 0, 0.5, 0.25}, {North, 1, 0.25, 0.1}, {North, 2, 0.1, 0.25},  {North, 3, 0.25, 0.5},
    {North, 4, 0.1, 0.75}, {North, 5, 0.25, 0.9}, {North, 6, 0.5, 0.75},  {North, 7, 0.75, 0.9},
    {North, 8, 0.9, 0.75}, {North, 9, 0.75, 0.5}, {North, 10, 0.9, 0.25}, {North, 11, 0.75, 0.1},
    {East, 0, 0.5, 0.15},  {East, 1, 0.25, 0.05}, {East, 2, 0.05, 0.25},  {East, 3, 0.15, 0.5},
    {East, 4, 0.05, 0.75}, {East, 5, 0.25, 0.95}, {East, 6, 0.5, 0.85},   {East, 7, 0.75, 0.95},
    {East, 8, 0.95, 0.75}, {East, 9, 0.85, 0.5},  {East, 10, 0.95, 0.25}, {East, 11, 0.75, 0.05},
};

TEST(StyledChartLayoutTest, HousesAndSignsRunCounterClockwiseFromTheTopCentre) {
  for (const CellAt& at : kCellsAt) {
    EXPECT_TRUE(Inside(CellOf(at.style, at.index), at.u * kSide, at.v * kSide))
        << ChartStyleCommandName(at.style) << " " << at.index;
  }
}

}  // namespace
}  // namespace tarvel
