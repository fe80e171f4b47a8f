#include "export/caption_fit.h"

#include "argala/chart_captions.h"

namespace tarvel {
namespace {

bool FitsAt(QFont& font, int pixels, const QPaintDevice* device, const FitTest& fits) {
  font.setPixelSize(pixels);
  return fits(QFontMetricsF(font, device));
}

}  // namespace

QFont FittedFont(QFont font, int preferredPx, const QPaintDevice* device, const FitTest& fits) {
  // Ligatures would put "ﬁ" for "fi" into a PDF's text, which then reads back and searches
  // differently from what was written.
  font.setStyleStrategy(QFont::PreferNoShaping);
  int high = std::max(preferredPx, 1);
  if (FitsAt(font, high, device, fits)) return font;
  // Widths grow with the size, but hinting can break that by a pixel: search, then make sure.
  int low = 1;
  while (high - low > 1) {
    const int middle = (low + high) / 2;
    (FitsAt(font, middle, device, fits) ? low : high) = middle;
  }
  while (low > 1 && !FitsAt(font, low, device, fits)) --low;
  font.setPixelSize(low);
  return font;
}

double LinesHeight(const QFontMetricsF& metrics, qsizetype lineCount) {
  if (lineCount <= 0) return 0;
  return metrics.height() + static_cast<double>(lineCount - 1) * metrics.lineSpacing();
}

bool LinesFit(const QFontMetricsF& metrics, const QStringList& lines, const QSizeF& box) {
  for (const QString& line : lines) {
    if (metrics.horizontalAdvance(line) > box.width()) return false;
  }
  return LinesHeight(metrics, lines.size()) <= box.height();
}

QStringList WrapSignItems(const QString& caption, const QFontMetricsF& metrics, double width) {
  const QString separator = QString::fromUtf8(kSignItemSeparator.data(),
                                              static_cast<qsizetype>(kSignItemSeparator.size()));
  const QString lineEnd = separator.trimmed().prepend(' ');
  const QStringList items = caption.split(separator, Qt::SkipEmptyParts);
  QStringList lines;
  QString line;
  for (qsizetype index = 0; index < items.size(); ++index) {
    const QString longer = line.isEmpty() ? items[index] : line + separator + items[index];
    // A line that more items follow ends in " /", which must fit too.
    const QString shown = index + 1 < items.size() ? longer + lineEnd : longer;
    if (line.isEmpty() || metrics.horizontalAdvance(shown) <= width) {
      line = longer;
      continue;
    }
    lines << line + lineEnd;
    line = items[index];
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace tarvel
