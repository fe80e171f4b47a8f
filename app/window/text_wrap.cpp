#include "app/window/text_wrap.h"

#include <QStringList>
#include <QTextLayout>

namespace tarvel {
namespace {

// About the measure a reader takes in at a glance (Bringhurst, The Elements of Typographic
// Style, 2.1.2: 45 to 75 characters).
constexpr double kReadableCharacters = 60;

QStringList WrapLine(const QString& line, const QFont& font, double widthPx) {
  QTextLayout layout(line, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
    piece.setLineWidth(widthPx);
    lines << line.mid(piece.textStart(), piece.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

}  // namespace

double ReadableWidthPx(const QFont& font) {
  return kReadableCharacters * QFontMetricsF(font).averageCharWidth();
}

QString WrapToWidth(const QString& text, const QFont& font, double widthPx) {
  QStringList lines;
  for (const QString& line : text.split('\n')) lines << WrapLine(line, font, widthPx);
  return lines.join('\n');
}

}  // namespace tarvel
