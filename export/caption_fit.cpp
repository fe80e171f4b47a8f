#include "export/caption_fit.h"

#include <algorithm>

#include "document/chart_captions.h"
#include "export/placed_text.h"

namespace tarvel {
namespace {

double NeedAt(QFont& font, int pixels, const QPaintDevice* device, const FitMeasure& need) {
  font.setPixelSize(pixels);
  return need(QFontMetricsF(font, device));
}

// Items joined by `separator`, as many on each line as fit in `width`; a line with more to
// come ends in `lineEnd`, which must fit too. An item wider than `width` stands alone.
QStringList WrapItems(const QStringList& items, const QString& separator, const QString& lineEnd,
                      const QFontMetricsF& metrics, double width) {
  QStringList lines;
  QString line;
  for (qsizetype index = 0; index < items.size(); ++index) {
    const QString longer = line.isEmpty() ? items[index] : line + separator + items[index];
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

}  // namespace

QFont FittedFont(QFont font, int preferredPx, const QPaintDevice* device, const FitMeasure& need) {
  // Ligatures would put "ﬁ" for "fi" into a PDF's text, which then reads back and searches
  // differently from what was written.
  font.setStyleStrategy(QFont::PreferNoShaping);
  int size = std::max(preferredPx, 1);
  double share = NeedAt(font, size, device, need);
  if (share <= 1) return font;
  // Widths grow about in proportion to the size, so the share says where the fit lies; each
  // size measured loads the font anew, so few are tried. Hinting and wrapping bend the
  // proportion by a pixel or so, which the steps after it put right.
  while (size > 1 && share > 1) {
    size = std::clamp(static_cast<int>(size / share), 1, size - 1);
    share = NeedAt(font, size, device, need);
  }
  while (size + 1 < preferredPx && NeedAt(font, size + 1, device, need) <= 1) ++size;
  font.setPixelSize(size);
  return font;
}

double LinesHeight(const QFontMetricsF& metrics, qsizetype lineCount) {
  if (lineCount <= 0) return 0;
  return metrics.height() + static_cast<double>(lineCount - 1) * metrics.lineSpacing();
}

double LinesNeed(const QFontMetricsF& metrics, const QStringList& lines, const QSizeF& box) {
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return std::max(widest / box.width(), LinesHeight(metrics, lines.size()) / box.height());
}

QStringList WrapSignItems(const QString& caption, const QFontMetricsF& metrics, double width) {
  const QString separator = FromUtf8(kSignItemSeparator);
  return WrapItems(caption.split(separator, Qt::SkipEmptyParts), separator,
                   separator.trimmed().prepend(' '), metrics, width);
}

QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, double width) {
  return WrapItems(text.split(' ', Qt::SkipEmptyParts), " ", "", metrics, width);
}

}  // namespace tarvel
