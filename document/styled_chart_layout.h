#pragma once

#include <array>
#include <span>

#include "document/chart_style.h"
#include "document/rasi_chart_layout.h"

namespace tarvel {

/// A point within the chart square, in twips from its top left corner.
struct TwipPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TwipPoint&) const = default;
};

/// A straight line of a chart's frame, in twips within the square.
struct TwipLine {
  TwipPoint from;
  TwipPoint to;
};

/// The side of the square, in twips.
inline constexpr int kChartSideTwips = kChartPicture.width;

/// One house of the North Indian square or one sign of the East Indian, in twips within the
/// square: its outline (a triangle or a four-sided cell), the room for its items, which stand
/// left-aligned from the top, and the centre of its sign's number.
struct ChartCell {
  std::array<TwipPoint, 4> outline{};
  int cornerCount = 4;  ///< 3 or 4: how many of `outline` are corners
  TwipRect items;
  TwipPoint numberCentre;
  bool operator==(const ChartCell&) const = default;
};

namespace styled_chart_detail {

constexpr int kSide = kChartSideTwips;
constexpr int kHalf = kSide / 2;
constexpr int kQuarter = kSide / 4;
constexpr int kThird = kSide / 3;

// The first three houses of the North Indian square: the top diamond and the two triangles
// counter-clockwise from it. A quarter turn gives the next three, so these three make all
// twelve. The rooms keep clear of the slanted lines by some 40 twips or more.
constexpr std::array<ChartCell, 3> kNorthSeeds{{
    {{{{kHalf, 0}, {kHalf + kQuarter, kQuarter}, {kHalf, kHalf}, {kQuarter, kQuarter}}},
     4,
     {1600, 560, 1000, 900},
     {kHalf, 1725}},
    {{{{0, 0}, {kHalf, 0}, {kQuarter, kQuarter}}}, 3, {560, 60, 980, 460}, {kQuarter, 745}},
    {{{{0, 0}, {kQuarter, kQuarter}, {0, kHalf}}}, 3, {60, 660, 560, 780}, {775, kQuarter}},
}};

// Aries at the top centre and Taurus and Gemini in the top left corner, split along the
// square's diagonal; quarter turns give the other nine.
constexpr std::array<ChartCell, 3> kEastSeeds{{
    {{{{kThird, 0}, {2 * kThird, 0}, {2 * kThird, kThird}, {kThird, kThird}}},
     4,
     {1440, 40, 1320, 1080},
     {kHalf, 1260}},
    {{{{0, 0}, {kThird, 0}, {kThird, kThird}}}, 3, {560, 40, 800, 480}, {1230, 860}},
    {{{{0, 0}, {kThird, kThird}, {0, kThird}}}, 3, {40, 560, 480, 800}, {860, 1230}},
}};

constexpr std::array<TwipLine, 6> kNorthLines{{
    {{0, 0}, {kSide, kSide}},
    {{kSide, 0}, {0, kSide}},
    {{kHalf, 0}, {kSide, kHalf}},
    {{kSide, kHalf}, {kHalf, kSide}},
    {{kHalf, kSide}, {0, kHalf}},
    {{0, kHalf}, {kHalf, 0}},
}};

constexpr std::array<TwipLine, 8> kEastLines{{
    {{kThird, 0}, {kThird, kSide}},
    {{2 * kThird, 0}, {2 * kThird, kSide}},
    {{0, kThird}, {kSide, kThird}},
    {{0, 2 * kThird}, {kSide, 2 * kThird}},
    {{0, 0}, {kThird, kThird}},
    {{kSide, 0}, {2 * kThird, kThird}},
    {{0, kSide}, {kThird, 2 * kThird}},
    {{kSide, kSide}, {2 * kThird, 2 * kThird}},
}};

// The legend's column: a gap after the square, the legend lines as wide as in the South
// Indian square's centre, and as much again after them.
constexpr int kLegendGapTwips = 150;

// A quarter turn counter-clockwise as the square is seen, about its centre (y grows down).
constexpr TwipPoint Turned(TwipPoint point) {
  return {point.y, kSide - point.x};
}

constexpr TwipRect Turned(const TwipRect& rect) {
  return {rect.top, kSide - rect.left - rect.width, rect.height, rect.width};
}

constexpr ChartCell TurnedCell(ChartCell cell, int quarterTurns) {
  for (int turn = 0; turn < quarterTurns; ++turn) {
    for (TwipPoint& corner : cell.outline) corner = Turned(corner);
    cell.items = Turned(cell.items);
    cell.numberCentre = Turned(cell.numberCentre);
  }
  return cell;
}

constexpr ChartCell CellFromSeeds(const std::array<ChartCell, 3>& seeds, int index) {
  return TurnedCell(seeds[static_cast<std::size_t>(index % 3)], index / 3);
}

}  // namespace styled_chart_detail

/// The cell of house `house` (0 = the first house ... 11) in the North Indian square: the
/// first is the top centre diamond, the others follow counter-clockwise.
constexpr ChartCell NorthHouseCell(int house) {
  return styled_chart_detail::CellFromSeeds(styled_chart_detail::kNorthSeeds, house);
}

/// The cell of `sign` (0 = Aries ... 11 = Pisces) in the East Indian square: Aries is the top
/// centre cell, the others follow counter-clockwise, two to each corner cell.
constexpr ChartCell EastSignCell(int sign) {
  return styled_chart_detail::CellFromSeeds(styled_chart_detail::kEastSeeds, sign);
}

/// The cell where `sign` stands in a North or East Indian square, when `risingSign` is the
/// sign of the first house (it decides nothing in the East Indian square).
constexpr ChartCell SignCell(ChartStyle style, int sign, int risingSign) {
  if (style == ChartStyle::East) return EastSignCell(sign);
  return NorthHouseCell((sign - risingSign + kSignCount) % kSignCount);
}

/// The lines a North or East Indian square draws besides its outer frame; none for the South
/// Indian, whose boxes are drawn one by one.
inline std::span<const TwipLine> FrameLines(ChartStyle style) {
  switch (style) {
    case ChartStyle::North:
      return styled_chart_detail::kNorthLines;
    case ChartStyle::East:
      return styled_chart_detail::kEastLines;
    case ChartStyle::South:
      break;
  }
  return {};
}

/// The width of the legend's column right of the square, in twips: the North and East Indian
/// squares have no free centre for it, the South Indian keeps it inside (0).
constexpr int LegendColumnTwips(ChartStyle style) {
  if (style == ChartStyle::South) return 0;
  return 2 * styled_chart_detail::kLegendGapTwips + LegendLabelRect(0).width;
}

/// The legend line of a planet, in twips from the square's top left corner: in the centre of
/// the South Indian square, in the column right of the others.
constexpr TwipRect StyledLegendRect(ChartStyle style, int planet) {
  TwipRect rect = LegendLabelRect(planet);
  if (style != ChartStyle::South)
    rect.left = kChartSideTwips + styled_chart_detail::kLegendGapTwips;
  return rect;
}

}  // namespace tarvel
