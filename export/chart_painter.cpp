#include "export/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "export/chart_overlay.h"

namespace tarvel {
namespace {

// The form's box frames: one window pixel.
constexpr double kBoxLineTwips = 15;

constexpr int kLineFlags = Qt::TextSingleLine | Qt::TextDontClip;

}  // namespace

void PaintText(QPainter& painter, const PlacedText& text, const ChartPalette& palette) {
  painter.setFont(text.font);
  painter.setPen(ToQColor(palette.Of(text.role)));
  if (text.lines.size() == 1) {
    painter.drawText(text.box, static_cast<int>(text.alignment) | kLineFlags, text.lines[0]);
    return;
  }
  const QFontMetricsF metrics(text.font, painter.device());
  QRectF line(text.box.left(), text.box.top(), text.box.width(), metrics.height());
  for (const QString& lineText : text.lines) {
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | kLineFlags, lineText);
    line.translate(0, metrics.lineSpacing());
  }
}

void PaintChartCard(QPainter& painter, const ChartCardLayout& card, const ChartPalette& palette,
                    const ChartOverlay* overlay) {
  painter.save();
  if (palette.fillsGround) painter.fillRect(card.area, ToQColor(palette.ground));
  painter.fillRect(card.square, ToQColor(palette.squareGround));
  // A legend outside the square stands on the square's ground, in the square's colours.
  if (!card.legendGround.isEmpty())
    painter.fillRect(card.legendGround, ToQColor(palette.squareGround));
  QPen frame(ToQColor(palette.boxLines), std::max(kBoxLineTwips * card.pxPerTwip, 0.5));
  frame.setJoinStyle(Qt::MiterJoin);
  painter.setPen(frame);
  painter.setBrush(Qt::NoBrush);
  if (card.face.style == ChartStyle::South) {
    for (const QRectF& box : card.signBoxes) painter.drawRect(box);
  } else {
    painter.drawRect(card.square);
    painter.drawRect(card.legendGround);
    for (const QLineF& line : card.frameLines) painter.drawLine(line);
  }
  painter.setRenderHint(QPainter::TextAntialiasing);
  ForEachText(card, [&](const PlacedText& text) { PaintText(painter, text, palette); });
  if (overlay) PaintChartOverlay(painter, card, *overlay, palette.boxLines);
  painter.restore();
}

}  // namespace tarvel
