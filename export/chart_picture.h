#pragma once

#include <QRectF>
#include <vector>

#include "document/chart_document.h"
#include "export/chart_card_layout.h"
#include "export/header_layout.h"

class QPainter;

namespace tarvel {

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
