#pragma once

#include <algorithm>
#include <cmath>

#include "document/styled_chart_layout.h"

namespace tarvel {

/// The list's columns right of the square (and of the legend's column), in twips: a gap, then
/// each body's abbreviation over its sign in the varga shown, then its nakshatra over its pada
/// and lord.
inline constexpr int kListGapTwips = 120;
inline constexpr int kListBodyTwips = 330;
inline constexpr int kListNakshatraTwips = 1350;
inline constexpr int kListColumnsTwips = kListGapTwips + kListBodyTwips + kListNakshatraTwips;

/// The chart card: the position list, the chart square beside it and the list's further
/// columns, as the result view shows them, in twips: the square's place, the columns and a
/// margin right of and below them.
inline constexpr int kChartCardWidthTwips =
    kChartPicture.left + kChartPicture.width + kListColumnsTwips + 45;
inline constexpr int kChartCardHeightTwips = kChartPicture.top + kChartPicture.height + 45;

/// The header's height in twips: a line for the name and three below it.
inline constexpr int kHeaderHeightTwips = 420 + 3 * 260;

/// The picture of a chart, in twips: a margin, the header, a small gap and the chart card.
inline constexpr int kHeaderGapTwips = 120;
inline constexpr int kPictureMarginTwips = 240;
inline constexpr int kPictureWidthTwips = kChartCardWidthTwips + 2 * kPictureMarginTwips;
inline constexpr int kPictureHeightTwips =
    2 * kPictureMarginTwips + kHeaderHeightTwips + kHeaderGapTwips + kChartCardHeightTwips;

/// The chart card's width in twips for a style: the North and East Indian cards have the
/// legend's column right of the square.
constexpr int ChartCardWidthTwips(ChartStyle style) {
  return kChartCardWidthTwips + LegendColumnTwips(style);
}

/// The picture's width in twips for a style.
constexpr int PictureWidthTwips(ChartStyle style) {
  return ChartCardWidthTwips(style) + 2 * kPictureMarginTwips;
}

// A width alone (--size 1200) then never brings a height above the largest side exports take.
static_assert(kPictureHeightTwips <= PictureWidthTwips(ChartStyle::South),
              "every chart's picture is wider than tall");

/// The picture's width when none is asked for, in pixels.
inline constexpr int kDefaultPictureWidthPx = 1200;
/// The largest picture side exports accept, in pixels.
inline constexpr int kMaxPictureSidePx = 16384;

/// The height in pixels of a picture `widthPx` wide in its natural proportions, at least 1.
inline int PictureHeightFor(int widthPx, ChartStyle style = ChartStyle::South) {
  const double height =
      static_cast<double>(widthPx) * kPictureHeightTwips / PictureWidthTwips(style);
  return std::max(1, static_cast<int>(std::lround(height)));
}

}  // namespace tarvel
