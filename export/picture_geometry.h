#pragma once

#include <algorithm>
#include <cmath>

#include "document/rasi_chart_layout.h"

namespace tarvel {

/// The chart card: the position list and the chart square beside it, as the result view
/// shows them, in twips: the square's place and a margin right of and below it.
inline constexpr int kChartCardWidthTwips = kChartPicture.left + kChartPicture.width + 45;
inline constexpr int kChartCardHeightTwips = kChartPicture.top + kChartPicture.height + 45;

/// The header's height in twips: a line for the name and three below it.
inline constexpr int kHeaderHeightTwips = 420 + 3 * 260;

/// The picture of a chart, in twips: a margin, the header, a small gap and the chart card.
inline constexpr int kHeaderGapTwips = 120;
inline constexpr int kPictureMarginTwips = 240;
inline constexpr int kPictureWidthTwips = kChartCardWidthTwips + 2 * kPictureMarginTwips;
inline constexpr int kPictureHeightTwips =
    2 * kPictureMarginTwips + kHeaderHeightTwips + kHeaderGapTwips + kChartCardHeightTwips;

/// The picture's width when none is asked for, in pixels.
inline constexpr int kDefaultPictureWidthPx = 1200;
/// The largest picture side exports accept, in pixels.
inline constexpr int kMaxPictureSidePx = 16384;

/// The height in pixels of a picture `widthPx` wide in its natural proportions, at least 1.
inline int PictureHeightFor(int widthPx) {
  const double height = static_cast<double>(widthPx) * kPictureHeightTwips / kPictureWidthTwips;
  return std::max(1, static_cast<int>(std::lround(height)));
}

}  // namespace tarvel
