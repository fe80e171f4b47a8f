#include "export/chart_overlay.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QVector2D>
#include <cmath>

namespace tarvel {
namespace {

// Line widths and the arrow head in twips, so that they grow with the card.
constexpr double kArrowLineTwips = 30;
constexpr double kArrowHeadTwips = 110;
constexpr double kCursorLineTwips = 30;
const QColor kHighlight(255, 196, 0, 80);

QRectF ItemRect(const PlacedText& text, const QFontMetricsF& metrics, const TextItem& item) {
  const QString& line = text.lines[item.line];
  return {text.box.left() + metrics.horizontalAdvance(line.left(item.start)),
          text.box.top() + static_cast<double>(item.line) * metrics.lineSpacing(),
          metrics.horizontalAdvance(line.mid(item.start, item.length)), metrics.height()};
}

// A point `distance` along the way from `from` to `to`.
QPointF Toward(QPointF from, QPointF to, double distance) {
  const QVector2D way(to - from);
  if (way.length() == 0) return from;
  return from + (way.normalized() * static_cast<float>(distance)).toPointF();
}

void PaintArrow(QPainter& painter, QPointF from, QPointF to, double headPx) {
  painter.drawLine(from, Toward(to, from, headPx * 0.8));
  const QVector2D back = QVector2D(from - to).normalized() * static_cast<float>(headPx);
  const QVector2D side(-back.y() * 0.4f, back.x() * 0.4f);
  QPainterPath head(to);
  head.lineTo(to + (back + side).toPointF());
  head.lineTo(to + (back - side).toPointF());
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

// The rect an arrow leaves or reaches: a planet's item, or the middle of its box.
QRectF EndRect(const ChartCardLayout& card, int sign, std::optional<PlanetIndex> planet,
               const QPaintDevice* device) {
  const std::size_t box = static_cast<std::size_t>(sign);
  if (planet) {
    if (const auto item = SignItemOf(card.signTexts[box], *planet)) {
      return *SignItemRect(card.signTexts[box], *item, device);
    }
  }
  // Around the middle of the box's own shape: a North Indian triangle's middle is not its
  // bounding rectangle's.
  const QPolygonF& shape = card.signShapes[box];
  QPointF middle;
  for (const QPointF& corner : shape) middle += corner / static_cast<double>(shape.size());
  const QSizeF size = card.signBoxes[box].size() / 3;
  return {middle - QPointF(size.width() / 2, size.height() / 2), size};
}

void PaintExplanation(QPainter& painter, const ChartCardLayout& card,
                      const ArgalaExplanation& explanation) {
  const QPaintDevice* device = painter.device();
  const ArgalaRecipient& recipient = explanation.recipient;
  const bool toPlanet = recipient.kind == ArgalaRecipient::Kind::Planet;
  const auto planet =
      toPlanet ? std::optional(static_cast<PlanetIndex>(recipient.index)) : std::nullopt;
  const QRectF target = EndRect(card, explanation.sign, planet, device);
  if (planet) {
    painter.fillRect(target, kHighlight);
  } else {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHighlight);
    painter.drawPolygon(card.signShapes[static_cast<std::size_t>(explanation.sign)]);
  }
  const double headPx = kArrowHeadTwips * card.pxPerTwip;
  for (const ExplanationArrow& arrow : explanation.arrows) {
    const QRectF source = EndRect(card, arrow.fromSign, arrow.planet, device);
    const Rgb colour = IsMalefic(arrow.planet) ? kPaapArrowColour : kShubhaArrowColour;
    QPen pen(ToQColor(colour), std::max(kArrowLineTwips * card.pxPerTwip, 1.0),
             arrow.obstructs ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    const QPointF from = Toward(source.center(), target.center(), source.height() / 2);
    PaintArrow(painter, from, Toward(target.center(), from, target.height() / 2), headPx);
  }
}

}  // namespace

std::optional<QRectF> SignItemRect(const PlacedText& text, int item, const QPaintDevice* device) {
  if (item < 0 || static_cast<std::size_t>(item) >= text.items.size()) return std::nullopt;
  return ItemRect(text, QFontMetricsF(text.font, device),
                  text.items[static_cast<std::size_t>(item)]);
}

std::optional<int> SignItemAt(const PlacedText& text, QPointF point, const QPaintDevice* device) {
  const QFontMetricsF metrics(text.font, device);
  for (std::size_t item = 0; item < text.items.size(); ++item) {
    if (ItemRect(text, metrics, text.items[item]).contains(point)) return static_cast<int>(item);
  }
  return std::nullopt;
}

std::optional<int> SignItemOf(const PlacedText& text, std::optional<PlanetIndex> planet) {
  for (std::size_t item = 0; item < text.items.size(); ++item) {
    if (text.items[item].planet == planet) return static_cast<int>(item);
  }
  return std::nullopt;
}

std::optional<int> SignBoxAt(const ChartCardLayout& card, QPointF point) {
  for (int sign = 0; sign < kSignCount; ++sign) {
    if (card.signShapes[static_cast<std::size_t>(sign)].containsPoint(point, Qt::OddEvenFill)) {
      return sign;
    }
  }
  return std::nullopt;
}

void PaintChartOverlay(QPainter& painter, const ChartCardLayout& card, const ChartOverlay& overlay,
                       Rgb frameColour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (overlay.explanation) PaintExplanation(painter, card, *overlay.explanation);
  for (const ArgalaExplanation& recipient : overlay.period)
    PaintExplanation(painter, card, recipient);
  if (overlay.cursorSign) {
    const double width = std::max(kCursorLineTwips * card.pxPerTwip, 1.0);
    painter.setPen(QPen(ToQColor(frameColour), width, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(card.signShapes[static_cast<std::size_t>(*overlay.cursorSign)]);
  }
  painter.restore();
}

}  // namespace tarvel
