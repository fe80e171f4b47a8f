#include "web/about/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace tarvel {
namespace {

constexpr int kIconSizePx = 64;
constexpr int kCells = 4;

QPixmap DrawChartGlyph(int sizePx) {
  QPixmap pixmap(sizePx, sizePx);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal cell = (sizePx - 2) / static_cast<qreal>(kCells);
  const QRectF square(1, 1, cell * kCells, cell * kCells);
  painter.fillRect(square, QColor(24, 38, 64));
  painter.setPen(QPen(QColor(255, 255, 0), sizePx / 32.0));
  for (int line = 0; line <= kCells; ++line) {
    const qreal offset = 1 + line * cell;
    painter.drawLine(QPointF(offset, square.top()), QPointF(offset, square.bottom()));
    painter.drawLine(QPointF(square.left(), offset), QPointF(square.right(), offset));
  }
  // The four centre cells form one open field, as in the chart, where the legend stands.
  painter.fillRect(QRectF(1 + cell + 1, 1 + cell + 1, 2 * cell - 2, 2 * cell - 2),
                   QColor(0, 192, 192));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  return QIcon(DrawChartGlyph(kIconSizePx));
}

}  // namespace tarvel
