#include "export/chart_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "export/chart_painter.h"
#include "export/header_layout.h"

namespace tarvel {
ChartPictureLayout LayOutChartPicture(const ChartDocument& document, const QRectF& target,
                                      const QPaintDevice* device, const QFont& base) {
  const int widthTwips = PictureWidthTwips(document.face.style);
  const double pxPerTwip =
      std::min(target.width() / widthTwips, target.height() / kPictureHeightTwips);
  const QPointF corner(target.center().x() - widthTwips * pxPerTwip / 2,
                       target.center().y() - kPictureHeightTwips * pxPerTwip / 2);
  const double margin = kPictureMarginTwips * pxPerTwip;
  ChartPictureLayout picture;
  picture.area = target;
  const QPointF headerOrigin = corner + QPointF(margin, margin);
  picture.header =
      LayOutHeader(document.header, headerOrigin,
                   ChartCardWidthTwips(document.face.style) * pxPerTwip, pxPerTwip, device, base);
  const QPointF cardOrigin =
      headerOrigin + QPointF(0, (kHeaderHeightTwips + kHeaderGapTwips) * pxPerTwip);
  picture.card =
      LayOutChartCard(document.captions, cardOrigin, pxPerTwip, device, base, document.face);
  return picture;
}

void PaintChartPicture(QPainter& painter, const ChartPictureLayout& picture,
                       const ChartPalette& palette) {
  painter.fillRect(picture.area, ToQColor(palette.ground));
  PaintChartCard(painter, picture.card, palette);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const PlacedText& text : picture.header) PaintText(painter, text, palette);
}

}  // namespace tarvel
