#pragma once

#include <QRectF>
#include <vector>

#include "export/chart_card_layout.h"
#include "export/chart_document.h"
#include "export/header_layout.h"

class QPainter;

namespace tarvel {

/// The picture of a chart: a margin, the header, a small gap and the chart card; its natural
/// size in twips.
inline constexpr int kHeaderGapTwips = 120;
inline constexpr int kPictureMarginTwips = 240;
inline constexpr int kPictureWidthTwips = kChartCardWidthTwips + 2 * kPictureMarginTwips;
inline constexpr int kPictureHeightTwips =
    2 * kPictureMarginTwips + kHeaderHeightTwips + kHeaderGapTwips + kChartCardHeightTwips;

/// The height in pixels of a picture `widthPx` wide in its natural proportions.
int PictureHeightFor(int widthPx);

/// The picture laid out on one device: the header and the card.
struct ChartPictureLayout {
  QRectF area;  ///< the whole target, filled with the ground colour
  std::vector<PlacedText> header;
  ChartCardLayout card;
};

/// Lays out the picture as large as fits `target` (device units) in its natural proportions,
/// centred in it.
ChartPictureLayout LayOutChartPicture(const ChartDocument& document, const QRectF& target,
                                      const QPaintDevice* device, const QFont& base);

/// Draws a picture laid out by LayOutChartPicture, on the palette's ground.
void PaintChartPicture(QPainter& painter, const ChartPictureLayout& picture,
                       const ChartPalette& palette);

}  // namespace tarvel
