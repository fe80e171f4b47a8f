#include "export/caption_fit.h"

#include <algorithm>

namespace tarvel {
namespace {

double NeedAt(QFont& font, int pixels, const QPaintDevice* device, const FitMeasure& need) {
  font.setPixelSize(pixels);
  return need(QFontMetricsF(font, device));
}

// A line of a sign box, recording where each of its items stands.
QString PlaceLine(const BoxItems& items, LineSpan span, qsizetype lineNumber,
                  std::vector<TextItem>& placed) {
  QString line;
  ForEachPieceOfLine(items, span, [&](std::string_view piece, std::optional<std::size_t> item) {
    const QString text = FromUtf8(piece);
    if (item) placed.push_back({items[*item].planet, lineNumber, line.size(), text.size()});
    line += text;
  });
  return line;
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

WrappedItems WrapSignItems(const BoxItems& items, const QFontMetricsF& metrics, double width) {
  const auto fits = [&](std::string_view text) {
    return metrics.horizontalAdvance(FromUtf8(text)) <= width;
  };
  WrappedItems wrapped;
  for (const LineSpan& span : WrapBoxItems(items, fits)) {
    wrapped.lines << PlaceLine(items, span, wrapped.lines.size(), wrapped.items);
  }
  return wrapped;
}

QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, double width) {
  const QStringList words = text.split(' ', Qt::SkipEmptyParts);
  const auto joined = [&words](LineSpan span) {
    return words
        .mid(static_cast<qsizetype>(span.first), static_cast<qsizetype>(span.end - span.first))
        .join(' ');
  };
  const auto fits = [&](LineSpan span) { return metrics.horizontalAdvance(joined(span)) <= width; };
  QStringList lines;
  for (const LineSpan& span : FillLines(static_cast<std::size_t>(words.size()), fits)) {
    lines << joined(span);
  }
  return lines;
}

}  // namespace tarvel
